// Undo of the big changes on a file of a million transactions: deleting
// the account (its transactions move into the step and back) and deleting a
// category that half of them use (the step keeps their positions). Each
// benchmark times one way; the other puts the document back, untimed.

#include <benchmark/benchmark.h>

#include "model/history/document_changes.h"
#include "sample_document.h"

namespace {

Document HalfInCategoryThree() {
    Document document = MakeDocument(1'000'000);
    std::vector<Transaction>& transactions = document.GetAccount(0).transactions;
    for (std::size_t i = 0; i < transactions.size(); i += 2) transactions[i].category = 3;
    return document;
}

void BM_DeleteCategoryStep(benchmark::State& state) {
    Document document = HalfInCategoryThree();
    const bool undoTimed = state.range(0) == 1;
    for (auto _ : state) {
        if (undoTimed) state.PauseTiming();
        std::optional<Step> step = DeleteCategory(document, 3);
        if (undoTimed) state.ResumeTiming(); else state.PauseTiming();
        step->undo(document);
        if (!undoTimed) state.ResumeTiming();
    }
    state.SetLabel(undoTimed ? "undo" : "delete");
}

void BM_DeleteAccountStep(benchmark::State& state) {
    Document document = MakeDocument(1'000'000);
    const bool undoTimed = state.range(0) == 1;
    for (auto _ : state) {
        std::int32_t current = 0;
        if (undoTimed) state.PauseTiming();
        std::optional<Step> step = DeleteAccount(document, 0, current);
        if (undoTimed) state.ResumeTiming(); else state.PauseTiming();
        step->undo(document);
        if (!undoTimed) state.ResumeTiming();
    }
    state.SetLabel(undoTimed ? "undo" : "delete");
}

}  // namespace

BENCHMARK(BM_DeleteCategoryStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteAccountStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
