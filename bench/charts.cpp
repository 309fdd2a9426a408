// The Charts dialog's work on an account of a million transactions over the
// 27 years they span: the figures added up once per choice, and a layout
// for an area of 800 by 500, which every paint repeats.

#include <benchmark/benchmark.h>

#include "model/charts/chart_layout.h"
#include "sample_document.h"

namespace {

class FixedMeasure : public ChartMeasure {
public:
    int TextWidth(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
    int LineHeight() const override { return 13; }
};

const DateSpan kAllYears{{2000, 1, 1}, {2026, 12, 31}};

void BM_ChartFigures(benchmark::State& state) {
    const Document document = MakeDocument(1'000'000);
    const ChartKind kind = static_cast<ChartKind>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ComputeChartFigures(document, kind, {"Checking", {0}}, kAllYears, {2026, 12, 7}, kDateFormatAmerican));
}

void BM_ChartLayout(benchmark::State& state) {
    const Document document = MakeDocument(1'000'000);
    const ChartFigures figures = ComputeChartFigures(document, static_cast<ChartKind>(state.range(0)),
                                                     {"Checking", {0}}, kAllYears, {2026, 12, 7}, kDateFormatAmerican);
    const FixedMeasure measure;
    for (auto _ : state) benchmark::DoNotOptimize(LayOutChart(figures, measure, 800, 500));
}

}  // namespace

BENCHMARK(BM_ChartFigures)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartLayout)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
