// Export of a million transactions to CSV, to a file written as the program
// writes it (through the atomic save), in the list's unsorted order.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "model/file/atomic_save.h"
#include "model/file/csv_export.h"
#include "model/file/data_stream.h"
#include "model/program_values.h"
#include "sample_document.h"

namespace {

void BM_ExportList(benchmark::State& state) {
    const Document document = MakeDocument(1'000'000);
    const Account& account = document.GetAccount(0);
    const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, kDateFormatAmerican);
    const std::string path = (std::filesystem::temp_directory_path() / "pennywhist_export_bench.csv").string();
    for (auto _ : state)
        if (!SaveAtomically(path, [&](DataWriter& out) { WriteTransactionListCsv(out, document, account, rows, kCommaSeparated); }))
            state.SkipWithError("the export failed");
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_ExportList)->Iterations(3)->Unit(benchmark::kMillisecond);
