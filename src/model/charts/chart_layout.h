#pragma once
// How a chart's figures are put on an area of any size: the title, the
// scales and their ticks, the labels kept where they would overlap, and the
// bars, columns and lines.

#include <cstdint>
#include <string>
#include <vector>

#include "model/charts/chart_figures.h"
#include "model/charts/chart_picture.h"

// An axis of amounts: round steps from `low` to `high`, both multiples of
// `step`, at most `mostTicks` steps apart (two at least, as a range across
// zero needs). Zero, a single value and ranges of any size get a scale; the
// step is a cent at the least.
struct ChartScale {
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;
};
ChartScale NiceScale(double low, double high, int mostTicks);

// How many months apart the labels of a month axis stand so that none
// overlaps the next: 1, 2, 3, 4, 6, 12, then whole decades' fractions (24,
// 60, 120, ...), for slots `slotWidth` wide and labels up to `labelWidth`.
int MonthLabelStep(double slotWidth, int labelWidth);

// A month's label on an axis: "Jan 2026"; only the year once the labels
// stand a year or more apart.
std::string MonthLabel(std::int32_t year, std::int32_t month, int step);

// `text` cut to fit `width` with "..." at its end.
std::string FitText(const ChartMeasure& measure, const std::string& text, int width);

// The chart of `figures` on an area `width` by `height`.
ChartPicture LayOutChart(const ChartFigures& figures, const ChartMeasure& measure, int width, int height);
