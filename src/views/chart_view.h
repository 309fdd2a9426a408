#pragma once
// The chart area: a child control that shows the chart of the figures it is
// given, laid out again at every paint for its size and painted through a
// bitmap, so that resizing does not flicker. The figures are computed by its
// owner, once per choice.

#include <windows.h>

#include "model/charts/chart_figures.h"

// The area's window class, for dialog templates.
inline constexpr char kChartViewClass[] = "PennywhistChartView";

// Registers the window class, once; a template naming it cannot be made
// without it. False when it cannot be registered.
bool RegisterChartView();

// The area shows `figures` from now on (nullptr: nothing); they must stay
// until the next call or the area's end.
void ShowChartFigures(HWND view, const ChartFigures* figures);
