// The preview and the import of a 10,000-line statement into the account of a
// million transactions: duplicate matching and categories over the whole
// account, then the append. Half the lines are copies of transactions the
// account has (they must be found), half are new.

#include <benchmark/benchmark.h>

#include "model/statements/statement_import.h"
#include "sample_document.h"

namespace {

Statement StatementOver(const Account& account, int lines) {
    Statement statement;
    for (int i = 0; i < lines; ++i) {
        const Transaction& t = account.transactions[account.transactions.size() - 1 - static_cast<std::size_t>(i) * 7];
        const bool copy = i % 2 == 0;
        const std::int64_t cents = static_cast<std::int64_t>(t.amount * 100 + 0.5) + (copy ? 0 : 1);
        statement.lines.push_back({.date = {t.year, t.month, t.day},
                                   .cents = AddsToBalance(t.kind) ? cents : -cents,
                                   .payee = std::string(t.payee.view()),
                                   .memo = {},
                                   .category = {},
                                   .bankId = "FIT" + std::to_string(i)});
    }
    return statement;
}

void BM_PreviewStatement(benchmark::State& state) {
    const Document document = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    const Statement statement = StatementOver(document.accounts[0], 10'000);
    for (auto _ : state) {
        const std::vector<PreviewLine> lines = PreviewStatement(document, 0, statement);
        if (TickedTotals(lines).count != 5'000) state.SkipWithError("the copies were not all found");
        benchmark::DoNotOptimize(lines);
    }
}

void BM_ImportStatement(benchmark::State& state) {
    const Document original = MakeDocument(static_cast<std::int32_t>(state.range(0)));
    const std::vector<PreviewLine> lines = PreviewStatement(original, 0, StatementOver(original.accounts[0], 10'000));
    for (auto _ : state) {
        state.PauseTiming();
        Document document = original;
        state.ResumeTiming();
        if (!ImportPreviewLines(document, 0, lines)) state.SkipWithError("the import failed");
        state.PauseTiming();
        document = Document();  // freed outside the timing
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_PreviewStatement)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportStatement)->Arg(1'000'000)->Iterations(5)->Unit(benchmark::kMillisecond);
