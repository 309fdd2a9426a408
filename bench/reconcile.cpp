// The Reconcile dialog's rules on an account of a million transactions, a
// tenth of them not yet reconciled: listing the rows with their figures,
// and a tick.

#include <benchmark/benchmark.h>

#include "model/rules/reconcile_rules.h"
#include "sample_document.h"

namespace {

Account AccountToReconcile() {
    Account account = MakeDocument(1'000'000).accounts[0];
    for (std::size_t i = 0; i < account.transactions.size(); ++i)
        account.transactions[i].mark = i % 10 == 0 ? MarkCleared : MarkReconciled;
    return account;
}

void BM_StartReconciliation(benchmark::State& state) {
    const Account account = AccountToReconcile();
    for (auto _ : state) {
        const Reconciliation reconciliation = StartReconciliation(account, {2026, 12, 31});
        if (reconciliation.rows.size() != 100'000) state.SkipWithError("not every row listed");
        benchmark::DoNotOptimize(reconciliation);
    }
}

void BM_ReconcileTick(benchmark::State& state) {
    const Account account = AccountToReconcile();
    Reconciliation reconciliation = StartReconciliation(account, {2026, 12, 31});
    bool tick = false;
    for (auto _ : state) {
        SetTick(reconciliation, account, 500, tick = !tick);
        benchmark::DoNotOptimize(FiguresOf(reconciliation, 0));
    }
}

}  // namespace

BENCHMARK(BM_StartReconciliation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReconcileTick)->Unit(benchmark::kMicrosecond);
