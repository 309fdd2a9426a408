#include "model/tables/report_layout.h"

#include <algorithm>
#include <cstdio>

namespace {

using Font = ReportCanvas::Font;

// Extra room under the parts of a page, in device units.
constexpr int kTitleBlockGap = 20;
constexpr int kHeadingsGap = 10;  // the thick rule sits at the top of this gap
constexpr int kRowGap = 6;
constexpr int kHeadingRuleWidth = 3;
constexpr int kFooterPadding = 4;  // the footer band is its font's height plus this

// What stays the same for every page of one job.
struct Job {
    const ReportTable& table;
    ReportCanvas& canvas;
    std::string_view title;
    std::string timeText;
    std::vector<int> widths;
    int titleHeight;
    int bodyHeight;
    int footerHeight;
};

// Walks the printed columns of one line: stops at the first one that would
// pass the page width, and leaves out the hidden ones. `draw` gets the column, its left edge and its width.
template <typename Draw>
void ForEachPrintedColumn(const Job& job, int pageWidth, Draw draw) {
    int x = 0;
    for (int i = 0; i < static_cast<int>(job.widths.size()); ++i) {
        const int width = job.widths[static_cast<std::size_t>(i)];
        if (x + width > pageWidth) break;
        if (width == 0) continue;
        draw(i, x, width);
        x += width;
    }
}

// The title line between an empty first and last line of the title font.
int DrawTitleBlock(const Job& job, int pageWidth, int top) {
    const int h = job.titleHeight;
    job.canvas.Text(Font::DoubleTitle, {0, top + h, pageWidth, top + 3 * h}, job.title, TextAlign::Center);
    job.canvas.Frame({0, top, pageWidth - 1, top + 4 * h});
    return top + 4 * h + kTitleBlockGap;
}

int DrawHeadings(const Job& job, int pageWidth, int top) {
    const int b = job.bodyHeight;
    ForEachPrintedColumn(job, pageWidth, [&](int i, int x, int width) {
        const ReportColumn column = job.table.Column(i);
        job.canvas.Text(Font::Body, {x, top, x + width - 1, top + b}, column.heading, column.align);
        if (i > 0) job.canvas.Line(x - 2, top, x - 2, top + b + kHeadingsGap, 0);
    });
    job.canvas.Line(0, top + b, pageWidth, top + b, kHeadingRuleWidth);
    return top + b + kHeadingsGap;
}

int DrawRow(const Job& job, const std::vector<TextAlign>& aligns, int row, int pageWidth, int top) {
    const int b = job.bodyHeight;
    ForEachPrintedColumn(job, pageWidth, [&](int i, int x, int width) {
        job.canvas.Text(Font::Body, {x, top, x + width, top + b}, job.table.Cell(row, i),
                        aligns[static_cast<std::size_t>(i)]);
        if (i > 0) job.canvas.Line(x - 2, top, x - 2, top + b + kRowGap, 0);
    });
    return top + b + kRowGap;
}

// Draws the footer band at the bottom of the page and returns its top.
int DrawFooter(const Job& job, int page, int pageWidth, int pageHeight) {
    const int g = job.footerHeight;
    // Its frame's bottom is the last unit of the printable area.
    const int top = pageHeight - (g + kFooterPadding) - 1;
    const int bottom = top + g + kFooterPadding;
    job.canvas.Text(Font::Footer, {2, top, pageWidth / 2, bottom}, PageNumberText(page), TextAlign::Left);
    job.canvas.Text(Font::Footer, {pageWidth / 2, top, pageWidth - 3, bottom}, job.timeText, TextAlign::Right);
    job.canvas.Frame({0, top, pageWidth - 1, bottom});
    return top;
}

}  // namespace

int PrinterFontHeight(int size, int printerPixelsPerInch, int screenPixelsPerInch) {
    return static_cast<int>(std::int64_t{size} * printerPixelsPerInch / screenPixelsPerInch);
}

std::string PageNumberText(int page) { return "Page : " + std::to_string(page); }

std::string PrintTimeText(const PrintTime& time) {
    char text[80];  // room for six full 32-bit values, whatever the clock gives
    std::snprintf(text, sizeof text, "%02d/%02d/%04d  %02d:%02d:%02d", static_cast<int>(time.day),
                  static_cast<int>(time.month), static_cast<int>(time.year), static_cast<int>(time.hour),
                  static_cast<int>(time.minute), static_cast<int>(time.second));
    return text;
}

std::vector<int> MeasureColumns(const ReportTable& table, ReportCanvas& canvas) {
    const int columns = table.ColumnCount();
    const int rows = table.RowCount();
    const int x = canvas.TextWidth(Font::Body, "X");
    std::vector<int> widths(static_cast<std::size_t>(std::max(columns, 0)), 0);
    for (int i = 0; i < columns; ++i) {
        const ReportColumn column = table.Column(i);
        if (column.hidden) continue;
        std::size_t longest = column.heading.size();
        for (int r = 0; r < rows; ++r) longest = std::max(longest, table.Cell(r, i).size());
        widths[static_cast<std::size_t>(i)] = x * (static_cast<int>(longest) + 1);
    }
    return widths;
}

int PrintReport(const ReportTable& table, ReportCanvas& canvas, std::string_view title, const PrintTime& time) {
    const int rows = table.RowCount();
    if (rows <= 0) return 0;
    Job job{table,
            canvas,
            title,
            PrintTimeText(time),
            MeasureColumns(table, canvas),
            canvas.FontHeight(Font::Title),
            canvas.FontHeight(Font::Body),
            canvas.FontHeight(Font::Footer)};
    // Read once rather than once per cell: a column's alignment is its header's.
    std::vector<TextAlign> aligns;
    aligns.reserve(job.widths.size());
    for (int i = 0; i < static_cast<int>(job.widths.size()); ++i) aligns.push_back(table.Column(i).align);

    int page = 0;
    bool newPageDue = true;
    bool pageHoldsARow = false;
    int pageWidth = 0, y = 0, rowLimit = 0;
    for (int row = 0; row < rows;) {
        if (newPageDue) {
            canvas.StartPage();
            ++page;
            pageWidth = canvas.PageWidth();
            const int pageHeight = canvas.PageHeight();
            y = DrawHeadings(job, pageWidth, DrawTitleBlock(job, pageWidth, 0));
            rowLimit = DrawFooter(job, page, pageWidth, pageHeight);
            newPageDue = false;
            pageHoldsARow = false;
        }
        // A row too tall for an empty page goes on it anyway, cut at the page,
        // or the job would start pages for ever.
        if (y + job.bodyHeight > rowLimit && pageHoldsARow) {
            canvas.EndPage();
            newPageDue = true;
            continue;
        }
        y = DrawRow(job, aligns, row, pageWidth, y);
        pageHoldsARow = true;
        ++row;
    }
    canvas.EndPage();  // the loop always leaves a page open: it ends only after drawing a row
    return page;
}
