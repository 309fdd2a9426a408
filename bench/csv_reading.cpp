// Reading a CSV bank statement of 100,000 lines held in memory: the table,
// the guessed mapping and the statement lines.

#include <benchmark/benchmark.h>

#include <string>

#include "model/statements/csv_mapping.h"

namespace {

// A header, then lines as banks write them: quoted payees with commas,
// amounts with thousands separators, a running balance; then a total.
std::string GeneratedCsv(int lines) {
    const char* payees[] = {"\"CORNER MARKET #1234, SPRINGFIELD\"", "City Power", "\"Payroll, ACME Corp\"",
                            "Gas Station 77", "\"Cafe \"\"Blue\"\"\""};
    std::string csv = "Date,Description,Memo,Amount,Balance\r\n";
    for (int i = 0; i < lines; ++i) {
        const int cents = (i * 7919) % 250'000 - 100'000;
        csv += std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" + std::to_string(2000 + i % 25) +
               "," + payees[i % 5] + ",Card purchase " + std::to_string(i) + ",\"" + (cents < 0 ? "-" : "") +
               std::to_string(std::abs(cents) / 100'000) + "," + std::to_string(100 + std::abs(cents) / 100 % 900) +
               "." + std::to_string(10 + std::abs(cents) % 90) + "\",12345.67\r\n";
    }
    return csv + "Total,,,,\r\n";
}

void BM_ReadCsv(benchmark::State& state) {
    const std::string csv = GeneratedCsv(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const CsvTable table = ReadCsvTable(csv);
        const Statement statement = ApplyCsvMapping(table, GuessCsvMapping(table));
        if (statement.lines.size() != static_cast<std::size_t>(state.range(0)) || statement.unreadableLines != 0)
            state.SkipWithError("the statement lacks lines");
        benchmark::DoNotOptimize(statement);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}

}  // namespace

BENCHMARK(BM_ReadCsv)->Arg(100'000)->Unit(benchmark::kMillisecond);
