#include "model/charts/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/amounts.h"

namespace {

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The steps a month axis's labels may stand apart, in months.
constexpr int kMonthSteps[] = {1, 2, 3, 4, 6, 12, 24, 60, 120, 240, 600, 1200, 2400, 6000};

// Where the shapes go, and what the chart's text looks like.
struct Sketch {
    const ChartMeasure& measure;
    ChartPicture picture;
    int line;    // the height of a line of text
    int margin;  // around the chart and between its parts

    void Box(ChartInk ink, int left, int top, int right, int bottom) {
        ChartShape shape;
        shape.kind = ChartShape::Box;
        shape.ink = ink;
        shape.rect = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
        picture.shapes.push_back(std::move(shape));
    }
    void Line(ChartInk ink, std::vector<ChartPoint> points, int width = 1) {
        ChartShape shape;
        shape.kind = ChartShape::Line;
        shape.ink = ink;
        shape.points = std::move(points);
        shape.width = width;
        picture.shapes.push_back(std::move(shape));
    }
    void Label(const PrintRect& rect, std::string text, TextAlign align, ChartInk ink = ChartInk::Text) {
        ChartShape shape;
        shape.kind = ChartShape::Label;
        shape.ink = ink;
        shape.rect = rect;
        shape.text = FitText(measure, text, rect.right - rect.left);
        shape.align = align;
        picture.shapes.push_back(std::move(shape));
    }
    int Width(const std::string& text) const { return measure.TextWidth(text); }
};

// Pixels from a double that may be far outside any area.
int Pixel(double value) {
    constexpr double kLimit = 1 << 24;
    return static_cast<int>(std::lround(std::clamp(value, -kLimit, kLimit)));
}

// An amount as the lists write it; a tick a rounding error from zero is zero, not "-0.00".
std::string TickText(double value, double step) {
    return AmountText(std::fabs(value) < step * 1e-6 ? 0.0 : value);
}

// The plot of an axis of amounts: the area left of it holds the tick labels.
struct Plot {
    int left = 0, top = 0, right = 0, bottom = 0;
    ChartScale scale;

    int Y(double value) const {
        return Pixel(bottom - (value - scale.low) / (scale.high - scale.low) * (bottom - top));
    }
};

// Lays out an amount axis from `low` to `high` between `top` and `bottom`:
// the tick labels at the left, a grid line at each tick.
Plot AmountAxis(Sketch& sketch, double low, double high, int left, int top, int right, int bottom) {
    Plot plot;
    plot.top = top;
    plot.bottom = bottom;
    plot.scale = NiceScale(low, high, std::max(1, (bottom - top) / (2 * sketch.line)));
    const ChartScale& scale = plot.scale;
    const int ticks = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
    int labelWidth = 0;
    for (int i = 0; i <= ticks; ++i)
        labelWidth = std::max(labelWidth, sketch.Width(TickText(scale.low + i * scale.step, scale.step)));
    labelWidth = std::min(labelWidth, (right - left) / 3);
    plot.left = left + labelWidth + sketch.margin / 2;
    plot.right = right;
    for (int i = 0; i <= ticks; ++i) {
        const double value = scale.low + i * scale.step;
        const int y = plot.Y(value);
        sketch.Line(ChartInk::Grid, {{plot.left, y}, {plot.right, y}});
        sketch.Label({left, y - sketch.line / 2, left + labelWidth, y - sketch.line / 2 + sketch.line},
                     TickText(value, scale.step), TextAlign::Right);
    }
    return plot;
}

// A month's label under a time axis, starting at `x`: labels that stand
// their step apart then never overlap, and one that would pass the area's
// right edge is left out.
void MonthLabelAt(Sketch& sketch, const Plot& plot, std::int32_t index, int stepMonths, int x) {
    const std::string text = MonthLabel(index / 12, index % 12 + 1, stepMonths);
    const int width = sketch.Width(text);
    if (x + width > plot.right + sketch.margin) return;
    const int top = plot.bottom + sketch.margin / 2;
    sketch.Label({x, top, x + width, top + sketch.line}, text, TextAlign::Left);
}

int WidestMonthLabel(const Sketch& sketch) { return sketch.Width("May 2026"); }

void LayOutBars(Sketch& sketch, const ChartFigures& figures, int width, int top, int bottom) {
    const int rowHeight = sketch.line + sketch.line / 2;
    const int rows = (bottom - top) / std::max(1, rowHeight);
    if (rows < 1) return;
    // What does not fit is one last bar, so that the shares still add up.
    std::vector<CategoryBar> bars(figures.bars);
    if (static_cast<int>(bars.size()) > rows) {
        CategoryBar rest{std::to_string(bars.size() - rows + 1) + " other categories", 0.0};
        for (std::size_t i = rows - 1; i < bars.size(); ++i) rest.amount += bars[i].amount;
        bars.resize(rows - 1);
        bars.push_back(std::move(rest));
    }
    double total = 0.0, largest = 0.0;
    for (const CategoryBar& bar : figures.bars) total += std::max(0.0, bar.amount);
    for (const CategoryBar& bar : bars) largest = std::max(largest, bar.amount);
    std::vector<std::string> values;
    int nameWidth = 0, valueWidth = 0;
    for (const CategoryBar& bar : bars) {
        char share[32];
        std::snprintf(share, sizeof share, "  (%.1f%%)", total > 0.0 ? std::max(0.0, bar.amount) / total * 100 : 0.0);
        values.push_back(AmountText(bar.amount) + share);
        nameWidth = std::max(nameWidth, sketch.Width(bar.name));
        valueWidth = std::max(valueWidth, sketch.Width(values.back()));
    }
    const int m = sketch.margin;
    nameWidth = std::min(nameWidth, width / 3);
    valueWidth = std::min(valueWidth, width / 3);
    const int barLeft = m + nameWidth + m;
    const int longest = std::max(0, width - m - valueWidth - m / 2 - barLeft);
    const ChartInk ink = figures.kind == ChartKind::Income ? ChartInk::Income : ChartInk::Spending;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int y = top + static_cast<int>(i) * rowHeight;
        const double fraction = largest > 0.0 ? std::clamp(bars[i].amount / largest, 0.0, 1.0) : 0.0;
        const int length = bars[i].amount > 0.0 ? std::max(1, Pixel(fraction * longest)) : 0;
        sketch.Label({m, y, m + nameWidth, y + sketch.line}, bars[i].name, TextAlign::Right);
        if (length > 0) sketch.Box(ink, barLeft, y, barLeft + length, y + sketch.line);
        const int valueLeft = barLeft + length + m / 2;
        sketch.Label({valueLeft, y, valueLeft + valueWidth, y + sketch.line}, values[i], TextAlign::Left);
    }
    sketch.Line(ChartInk::Axis, {{barLeft, top}, {barLeft, top + static_cast<int>(bars.size()) * rowHeight}});
}

void LayOutBalance(Sketch& sketch, const ChartFigures& figures, int width, int top, int bottom) {
    const std::vector<double>& balances = figures.balances;
    const auto [lowest, highest] = std::minmax_element(balances.begin(), balances.end());
    const int m = sketch.margin;
    Plot plot = AmountAxis(sketch, *lowest, *highest, m, top + sketch.line / 2, width - m,
                           bottom - sketch.line - m / 2);
    if (plot.right <= plot.left || plot.bottom <= plot.top) return;
    const std::int64_t days = static_cast<std::int64_t>(balances.size());
    const double dayWidth = static_cast<double>(plot.right - plot.left) / static_cast<double>(std::max<std::int64_t>(1, days - 1));
    const auto xOfDay = [&](std::int64_t day) { return plot.left + Pixel(day * dayWidth); };
    if (*lowest < 0.0 && *highest > 0.0) sketch.Line(ChartInk::Axis, {{plot.left, plot.Y(0)}, {plot.right, plot.Y(0)}}, 2);

    // Month ticks on the time axis, labelled where their labels have room.
    const std::int64_t firstDay = DayNumber(figures.firstDay);
    const std::int32_t firstMonth = figures.firstDay.year * 12 + figures.firstDay.month - 1;
    const Date lastDate = DateOfDayNumber(firstDay + days - 1);
    const std::int32_t months = lastDate.year * 12 + lastDate.month - 1 - firstMonth + 1;
    const int step = MonthLabelStep(28 * dayWidth, WidestMonthLabel(sketch));
    const auto xOfMonth = [&](std::int32_t index) {
        return xOfDay(DayNumber({index / 12, index % 12 + 1, 1}) - firstDay);
    };
    for (std::int32_t index = firstMonth + 1; index < firstMonth + months; ++index)
        if (28 * dayWidth >= 3 || index % step == 0)
            sketch.Line(ChartInk::Axis, {{xOfMonth(index), plot.bottom}, {xOfMonth(index), plot.bottom + m / 2}});
    // A first month begun before the period has no tick of its own.
    for (std::int32_t index = figures.firstDay.day == 1 ? firstMonth : firstMonth + 1; index < firstMonth + months;
         ++index)
        if (index % step == 0) MonthLabelAt(sketch, plot, index, step, xOfMonth(index));

    // The line: a day per point, or where days are narrower than a pixel
    // the lowest and highest of each pixel's days, in the order they came.
    std::vector<ChartPoint> points;
    if (days == 1) {
        points = {{plot.left, plot.Y(balances[0])}, {plot.right, plot.Y(balances[0])}};
    } else if (dayWidth >= 0.5) {
        for (std::int64_t day = 0; day < days; ++day) points.push_back({xOfDay(day), plot.Y(balances[day])});
    } else {
        std::int64_t day = 0;
        while (day < days) {
            const int x = xOfDay(day);
            std::int64_t low = day, high = day;
            for (; day < days && xOfDay(day) == x; ++day) {
                if (balances[day] < balances[low]) low = day;
                if (balances[day] > balances[high]) high = day;
            }
            points.push_back({x, plot.Y(balances[std::min(low, high)])});
            if (low != high) points.push_back({x, plot.Y(balances[std::max(low, high)])});
        }
    }
    sketch.Line(ChartInk::Balance, std::move(points), std::max(2, sketch.line / 6));
    sketch.Line(ChartInk::Axis, {{plot.left, plot.top}, {plot.left, plot.bottom}, {plot.right, plot.bottom}});
}

// A swatch and its word, from `x`, when they fit left of `right`; where the next one starts.
int LegendEntry(Sketch& sketch, ChartInk ink, bool line, const std::string& word, int x, int y, int right) {
    const int size = sketch.line * 2 / 3;
    const int middle = y + sketch.line / 2;
    if (x + 2 * size + sketch.margin / 2 + sketch.Width(word) > right) return right;
    if (line)
        sketch.Line(ink, {{x, middle}, {x + 2 * size, middle}}, std::max(2, sketch.line / 6));
    else
        sketch.Box(ink, x, middle - size / 2, x + 2 * size, middle - size / 2 + size);
    const int textLeft = x + 2 * size + sketch.margin / 2;
    const int textWidth = sketch.Width(word);
    sketch.Label({textLeft, y, textLeft + textWidth, y + sketch.line}, word, TextAlign::Left);
    return textLeft + textWidth + 2 * sketch.margin;
}

void LayOutMonths(Sketch& sketch, const ChartFigures& figures, int width, int top, int bottom) {
    const int m = sketch.margin;
    int x = m;
    x = LegendEntry(sketch, ChartInk::Income, false, figures.words.income, x, top, width - m);
    x = LegendEntry(sketch, ChartInk::Spending, false, figures.words.spending, x, top, width - m);
    LegendEntry(sketch, ChartInk::Net, true, "Net", x, top, width - m);

    // Months narrower than a few pixels go together in groups of whole
    // quarters, years, ..., each a column pair of their sums.
    const std::int32_t firstMonth = figures.months.front().year * 12 + figures.months.front().month - 1;
    const std::int32_t months = static_cast<std::int32_t>(figures.months.size());
    const int plotWidth = width - 2 * m;
    int group = 1;
    for (const int candidate : kMonthSteps) {
        group = candidate;
        const std::int32_t groups = (firstMonth + months - 1) / candidate - firstMonth / candidate + 1;
        if (plotWidth >= 3 * groups) break;
    }
    struct Column {
        std::int32_t firstMonth;
        double in = 0.0, out = 0.0;
    };
    std::vector<Column> columns;
    for (std::int32_t i = 0; i < months; ++i) {
        const std::int32_t index = firstMonth + i;
        if (columns.empty() || index / group != columns.back().firstMonth / group)
            columns.push_back({std::max(firstMonth, index / group * group)});
        columns.back().in += figures.months[i].in;
        columns.back().out += figures.months[i].out;
    }
    double low = 0.0, high = 0.0;
    for (const Column& column : columns)
        for (const double value : {column.in, column.out, column.in - column.out}) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    const int plotTop = top + sketch.line + m;
    Plot plot = AmountAxis(sketch, low, high, m, plotTop, width - m, bottom - sketch.line - m / 2);
    if (plot.right <= plot.left || plot.bottom <= plot.top) return;
    const double slot = static_cast<double>(plot.right - plot.left) / static_cast<double>(columns.size());
    const auto slotLeft = [&](std::size_t i) { return plot.left + Pixel(i * slot); };
    const int zero = plot.Y(0);
    std::vector<ChartPoint> net;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int left = slotLeft(i) + Pixel(slot * 0.15);
        const int columnWidth = std::max(1, Pixel(slot * 0.35));
        sketch.Box(ChartInk::Income, left, zero, left + columnWidth, plot.Y(columns[i].in));
        sketch.Box(ChartInk::Spending, left + columnWidth, zero, left + 2 * columnWidth, plot.Y(columns[i].out));
        net.push_back({slotLeft(i) + Pixel(slot / 2), plot.Y(columns[i].in - columns[i].out)});
    }
    sketch.Line(ChartInk::Axis, {{plot.left, zero}, {plot.right, zero}});
    const int lineWidth = std::max(2, sketch.line / 6);
    if (net.size() == 1)
        net = {{net[0].x - Pixel(slot / 4), net[0].y}, {net[0].x + Pixel(slot / 4), net[0].y}};
    sketch.Line(ChartInk::Background, net, lineWidth + 2 * std::max(1, lineWidth / 2));
    sketch.Line(ChartInk::Net, std::move(net), lineWidth);
    sketch.Line(ChartInk::Axis, {{plot.left, plot.top}, {plot.left, plot.bottom}});

    // Labels at every `step`th column of the calendar's groups (January for years).
    const int step = MonthLabelStep(slot, WidestMonthLabel(sketch));
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].firstMonth / group % step == 0)
            MonthLabelAt(sketch, plot, columns[i].firstMonth, group * step, slotLeft(i));
}

}  // namespace

ChartScale NiceScale(double low, double high, int mostTicks) {
    if (!std::isfinite(low) || !std::isfinite(high)) return {};
    if (low > high) std::swap(low, high);
    // A range across zero needs two steps, whatever their size.
    mostTicks = std::max(2, mostTicks);
    if (high - low <= 0.0) {
        if (low == 0.0) return NiceScale(0.0, 1.0, mostTicks);
        const double pad = std::max(std::fabs(low) / 10, 1.0);
        low -= pad;
        high += pad;
    }
    const double rough = (high - low) / mostTicks;
    double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    while (std::isfinite(magnitude) && magnitude > 0.0) {
        for (const double multiple : {1.0, 2.0, 5.0}) {
            const double step = std::max(0.01, multiple * magnitude);
            if (step < rough) continue;
            const double niceLow = std::floor(low / step) * step;
            const double niceHigh = std::ceil(high / step) * step;
            if ((niceHigh - niceLow) / step <= mostTicks + 1e-9) return {niceLow, niceHigh, step};
        }
        magnitude *= 10;
    }
    return {};  // a range no double step spans
}

int MonthLabelStep(double slotWidth, int labelWidth) {
    const double needed = labelWidth + std::max(4, labelWidth / 4);
    for (const int step : kMonthSteps)
        if (step * slotWidth >= needed) return step;
    return kMonthSteps[std::size(kMonthSteps) - 1];
}

std::string MonthLabel(std::int32_t year, std::int32_t month, int step) {
    const std::string yearText = std::to_string(year);
    if (step >= 12) return yearText;
    return std::string(kMonthNames[std::clamp(month, 1, 12) - 1]) + " " + yearText;
}

std::string FitText(const ChartMeasure& measure, const std::string& text, int width) {
    if (measure.TextWidth(text) <= width) return text;
    std::string cut = text;
    while (!cut.empty()) {
        cut.pop_back();
        if (measure.TextWidth(cut + "...") <= width) return cut + "...";
    }
    return {};
}

ChartPicture LayOutChart(const ChartFigures& figures, const ChartMeasure& measure, int width, int height) {
    const int line = std::max(1, measure.LineHeight());
    Sketch sketch{measure, {}, line, std::max(2, line / 2)};
    sketch.Box(ChartInk::Background, 0, 0, width, height);
    const int m = sketch.margin;
    if (width <= 2 * m || height <= 2 * m) return std::move(sketch.picture);
    sketch.Label({m, m, width - m, m + line}, figures.title, TextAlign::Center);
    const int top = m + line + m;
    const int bottom = height - m;
    if (!figures.emptyText.empty()) {
        sketch.Label({m, top, width - m, bottom}, figures.emptyText, TextAlign::Center);
        return std::move(sketch.picture);
    }
    // An axis needs room for its labels and a plot between them.
    const bool roomForAxes = bottom - top >= 5 * line && width >= 10 * line;
    switch (figures.kind) {
    case ChartKind::Spending:
    case ChartKind::Income:
        LayOutBars(sketch, figures, width, top, bottom);
        break;
    case ChartKind::Balance:
        if (!figures.balances.empty() && roomForAxes) LayOutBalance(sketch, figures, width, top, bottom);
        break;
    case ChartKind::Months:
        if (!figures.months.empty() && roomForAxes) LayOutMonths(sketch, figures, width, top, bottom);
        break;
    }
    return std::move(sketch.picture);
}
