// The save of a file of a million transactions (94 MB) over the file before
// it, with and without a dated copy of the old file kept in Backups beside
// it (a rename on the same volume). Each save replaces the file on disk, so
// that fsync and the file system count as they do for the user.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/file/dated_copies.h"
#include "sample_document.h"

namespace {

void BM_SaveWithDatedCopy(benchmark::State& state) {
    const bool keep = state.range(0) == 1;
    const Document document = MakeDocument(1'000'000);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pennywhist_bench_copies";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "Household.pwf").string();
    document.Save(path);
    int second = 0;
    for (auto _ : state) {
        ++second;
        const DatedCopyRequest copy{{keep, static_cast<std::int32_t>(state.range(1)), ""}, {2026, 12, 7, 5, second / 60 % 60, second % 60}};
        if (!document.Save(path, &copy)) state.SkipWithError("the save failed");
    }
    state.SetLabel(keep ? "a dated copy kept" : "no copy");
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_SaveWithDatedCopy)->Args({0, 10})->Args({1, 10})->Unit(benchmark::kMillisecond)->Iterations(12)->Repetitions(5)->ReportAggregatesOnly();
