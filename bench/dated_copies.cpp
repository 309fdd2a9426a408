// The save of a file of a million transactions (94 MB) over the file before
// it, with and without a dated copy of the old file kept in Backups beside
// it (a rename on the same volume, the newest 10 kept). Each save replaces
// the file on disk, so that fsync and the file system count as they do for
// the user. The two kinds alternate, save by save, so that the disk's and
// the system cache's drift falls on both alike; each is timed on its own.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "model/file/dated_copies.h"
#include "sample_document.h"

namespace {

void BM_SaveWithAndWithoutDatedCopy(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const Document document = MakeDocument(1'000'000);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pennywhist_bench_copies";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const std::string path = (folder / "Household.pwf").string();
    document.Save(path);
    double seconds[2] = {0, 0};
    int saves = 0;
    for (auto _ : state) {
        for (const bool keep : {false, true}) {
            ++saves;
            const DatedCopyRequest copy{{keep, 10, ""}, {2026, 12, 7, 5, saves / 60 % 60, saves % 60}};
            const Clock::time_point start = Clock::now();
            if (!document.Save(path, &copy)) state.SkipWithError("the save failed");
            seconds[keep] += std::chrono::duration<double>(Clock::now() - start).count();
        }
    }
    const double each = static_cast<double>(state.iterations());
    state.counters["no_copy_ms"] = seconds[0] / each * 1000;
    state.counters["copy_kept_ms"] = seconds[1] / each * 1000;
    state.counters["copy_costs_pct"] = (seconds[1] / seconds[0] - 1) * 100;
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_SaveWithAndWithoutDatedCopy)->Unit(benchmark::kMillisecond)->Iterations(30);
