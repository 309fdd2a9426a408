#pragma once
// A chart drawn with GDI from its figures: laid out by the core for the size
// of the area it gets, then its shapes drawn in order. The same drawing goes
// on the screen, a printer's page, a metafile and a bitmap.

#include <windows.h>

#include <string_view>

#include "model/charts/chart_figures.h"
#include "model/charts/chart_layout.h"
#include "shell/win32_handles.h"

// The labels' font on `dc`, selected while the measure lives.
class GdiChartMeasure : public ChartMeasure {
public:
    GdiChartMeasure(HDC dc, HFONT font);
    GdiChartMeasure(const GdiChartMeasure&) = delete;
    GdiChartMeasure& operator=(const GdiChartMeasure&) = delete;

    int TextWidth(std::string_view text) const override;
    int LineHeight() const override;

private:
    HDC dc_;
    SelectedObject selected_;
    int lineHeight_;
};

// Arial of 8 points on a device of `devicePixelsPerInch` (a window's own DPI
// for the screen), sized from the screen of a window at `windowDpi` as the
// printouts' fonts are, so that a chart's labels have the same size on paper.
UniqueFont MakeChartFont(int devicePixelsPerInch, int windowDpi);

// The shapes of `picture` on `dc` in order, its top-left corner at `origin`.
void DrawChartPicture(HDC dc, HFONT font, const ChartPicture& picture, POINT origin);

// The chart of `figures` laid out for `area` and drawn in it, its
// background first. The chart area paints with it.
void DrawChart(HDC dc, HFONT font, const ChartFigures& figures, const RECT& area);

// The page PrintChart prints, drawn on a device context without a print job
// (a device that keeps the drawing, such as a metafile): the chart over the
// whole printable area, its labels sized for a window at `windowDpi`. The
// number of pages (1), or -1 when the font cannot be made.
int DrawChartPage(HDC device, const ChartFigures& figures, int windowDpi);

// The chart on one page of one job named after its title. False when the
// font cannot be made or the printer refuses the job or the page (the job is
// then cancelled, so that nothing half is printed).
bool PrintChartPage(HDC printer, const ChartFigures& figures, int windowDpi);

// What the Print button does: the print dialog over `owner`, landscape where
// the printer allows, then the chart printed.
void PrintChart(HWND owner, const ChartFigures& figures);

// Puts the chart as the area shows it, `width` by `height`, on the clipboard
// as an enhanced metafile and as a bitmap. False, with the clipboard as it
// was or empty, when either cannot be made or put there.
bool CopyChart(HWND owner, const ChartFigures& figures, int width, int height);
