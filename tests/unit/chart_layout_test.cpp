#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "model/charts/chart_layout.h"

namespace {

// Six units a character, lines twelve high.
class FixedMeasure : public ChartMeasure {
public:
    int TextWidth(std::string_view text) const override { return 6 * static_cast<int>(text.size()); }
    int LineHeight() const override { return 12; }
};
const FixedMeasure kMeasure;

std::vector<const ChartShape*> ShapesOf(const ChartPicture& picture, ChartShape::Kind kind, ChartInk ink) {
    std::vector<const ChartShape*> shapes;
    for (const ChartShape& shape : picture.shapes)
        if (shape.kind == kind && shape.ink == ink) shapes.push_back(&shape);
    return shapes;
}

std::vector<std::string> LabelTexts(const ChartPicture& picture) {
    std::vector<std::string> texts;
    for (const ChartShape* label : ShapesOf(picture, ChartShape::Label, ChartInk::Text)) texts.push_back(label->text);
    return texts;
}

bool Overlap(const PrintRect& a, const PrintRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

ChartFigures Bars(std::vector<CategoryBar> bars) {
    ChartFigures figures;
    figures.kind = ChartKind::Spending;
    figures.title = "Withdrawals by category";
    figures.bars = std::move(bars);
    return figures;
}

ChartFigures Balances(std::vector<double> balances, Date firstDay = {2026, 1, 1}) {
    ChartFigures figures;
    figures.kind = ChartKind::Balance;
    figures.title = "Balance over time";
    figures.firstDay = firstDay;
    figures.balances = std::move(balances);
    return figures;
}

ChartFigures Months(std::int32_t count, double in, double out, Date first = {2026, 1, 1}) {
    ChartFigures figures;
    figures.kind = ChartKind::Months;
    figures.title = "Deposits and withdrawals by month";
    figures.words = {"Withdrawals", "Deposits", "Balance"};
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t index = first.year * 12 + first.month - 1 + i;
        figures.months.push_back({index / 12, index % 12 + 1, in * (i % 3), out * (i % 2)});
    }
    return figures;
}

}  // namespace

TEST(ChartScale, RoundStepsAroundAnyRange) {
    struct Case {
        double low, high;
        int mostTicks;
    };
    const Case cases[] = {
        {0, 0, 5},      {42.5, 42.5, 5}, {-3.2, -3.2, 4},   {-250, 1200, 6}, {0, 1e9, 8},  {-1e9, -5, 5},
        {-5, 5, 1},     {0.01, 0.02, 10}, {1e15, 1e15 + 3, 5}, {0, 7, 200},   {-1e300, 1e300, 4},
    };
    for (const Case& c : cases) {
        const ChartScale scale = NiceScale(c.low, c.high, c.mostTicks);
        SCOPED_TRACE(testing::Message() << c.low << ".." << c.high);
        EXPECT_LE(scale.low, c.low);
        EXPECT_GE(scale.high, c.high);
        EXPECT_LT(scale.low, scale.high);
        EXPECT_GE(scale.step, 0.01);
        const double steps = (scale.high - scale.low) / scale.step;
        EXPECT_LE(steps, std::max(2, c.mostTicks) + 1e-6);
        EXPECT_NEAR(steps, std::round(steps), 1e-6);
        // 1, 2 or 5 times a power of ten.
        const double mantissa = scale.step / std::pow(10.0, std::floor(std::log10(scale.step) + 1e-9));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-6 || std::fabs(mantissa - 2) < 1e-6 || std::fabs(mantissa - 5) < 1e-6)
            << scale.step;
    }
    // All zero: the scale starts at zero; what no double spans gets a plain one.
    EXPECT_EQ(NiceScale(0, 0, 5).low, 0.0);
    const ChartScale none = NiceScale(std::nan(""), 1, 5);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_EQ(none.high, 1.0);
}

TEST(ChartMonthAxis, LabelsStandFarEnoughApartToNeverOverlap) {
    struct Case {
        double slotWidth;
        int labelWidth;
        int step;
    };
    const Case cases[] = {{70, 48, 1}, {40, 48, 2}, {20, 48, 3}, {5, 48, 12}, {2, 48, 60}, {0.0001, 48, 6000}};
    for (const Case& c : cases) EXPECT_EQ(MonthLabelStep(c.slotWidth, c.labelWidth), c.step) << c.slotWidth;
    EXPECT_EQ(MonthLabel(2026, 1, 1), "Jan 2026");
    EXPECT_EQ(MonthLabel(2026, 12, 6), "Dec 2026");
    EXPECT_EQ(MonthLabel(2026, 1, 12), "2026");
}

TEST(ChartText, CutWithAnEllipsisToFit) {
    EXPECT_EQ(FitText(kMeasure, "Groceries", 54), "Groceries");
    EXPECT_EQ(FitText(kMeasure, "Groceries", 53), "Groce...");
    EXPECT_EQ(FitText(kMeasure, "Groceries", 10), "");
}

TEST(ChartLayout, BarsLargestFirstWithTheirAmountAndShare) {
    const ChartPicture picture =
        LayOutChart(Bars({{"Rent", 600}, {"Groceries", 300}, {"Bills", 100}, {"Gifts", 0}}), kMeasure, 640, 480);
    const std::vector<std::string> texts = LabelTexts(picture);
    const std::vector<std::string> expected = {
        "Withdrawals by category", "Rent",  "600.00  (60.0%)", "Groceries", "300.00  (30.0%)",
        "Bills",                   "100.00  (10.0%)", "Gifts", "0.00  (0.0%)"};
    EXPECT_EQ(texts, expected);
    const std::vector<const ChartShape*> bars = ShapesOf(picture, ChartShape::Box, ChartInk::Spending);
    ASSERT_EQ(bars.size(), 3u);  // nothing drawn for 0.00
    const auto length = [](const ChartShape* bar) { return bar->rect.right - bar->rect.left; };
    EXPECT_NEAR(length(bars[0]), 2 * length(bars[1]), 1);
    EXPECT_NEAR(length(bars[1]), 3 * length(bars[2]), 1);
    EXPECT_TRUE(std::is_sorted(bars.begin(), bars.end(), [](auto a, auto b) { return a->rect.top < b->rect.top; }));

    // The income view is the same chart in the income's ink.
    ChartFigures income = Bars({{"Pay", 10}});
    income.kind = ChartKind::Income;
    EXPECT_EQ(ShapesOf(LayOutChart(income, kMeasure, 640, 480), ChartShape::Box, ChartInk::Income).size(), 1u);
}

TEST(ChartLayout, CategoriesPastTheHeightShareOneLastBar) {
    std::vector<CategoryBar> bars;
    for (int i = 0; i < 40; ++i) bars.push_back({"Category " + std::to_string(i), 100.0 - i});
    const ChartPicture picture = LayOutChart(Bars(bars), kMeasure, 400, 120);
    const std::vector<std::string> texts = LabelTexts(picture);
    // Rows of 18 from 24 to 114: five, the last the other 36.
    ASSERT_EQ(texts.size(), 1u + 2 * 5);
    EXPECT_EQ(texts[9], "36 other categories");
    EXPECT_EQ(texts[10].substr(0, 8), "2826.00 ");
}

TEST(ChartLayout, BalanceLineWithAZeroLineOnlyWhenItCrossesZero) {
    const auto zeroLines = [](const ChartPicture& picture) {
        int count = 0;
        for (const ChartShape* line : ShapesOf(picture, ChartShape::Line, ChartInk::Axis)) count += line->width == 2;
        return count;
    };
    const ChartPicture crossing = LayOutChart(Balances({50, -20, 10}), kMeasure, 640, 480);
    EXPECT_EQ(zeroLines(crossing), 1);
    EXPECT_EQ(zeroLines(LayOutChart(Balances({-50, -20, -10}), kMeasure, 640, 480)), 0);
    const std::vector<const ChartShape*> line = ShapesOf(crossing, ChartShape::Line, ChartInk::Balance);
    ASSERT_EQ(line.size(), 1u);
    ASSERT_EQ(line[0]->points.size(), 3u);
    EXPECT_GT(line[0]->points[1].y, line[0]->points[2].y);  // -20 below 10
    EXPECT_GT(line[0]->points[2].y, line[0]->points[0].y);

    // Ten years of days on a narrow area: at most two points a pixel, and
    // the labels a year apart.
    std::vector<double> days(3653);
    for (std::size_t i = 0; i < days.size(); ++i) days[i] = std::sin(i / 30.0) * 1000;
    const ChartPicture narrow = LayOutChart(Balances(days), kMeasure, 300, 200);
    EXPECT_LE(ShapesOf(narrow, ChartShape::Line, ChartInk::Balance)[0]->points.size(), 2u * 300);
    const std::vector<std::string> texts = LabelTexts(narrow);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2030"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Jul 2030"), texts.end());
}

TEST(ChartLayout, MonthsAsColumnPairsWithTheNetLine) {
    const ChartPicture picture = LayOutChart(Months(12, 300, 200), kMeasure, 800, 400);
    EXPECT_EQ(ShapesOf(picture, ChartShape::Box, ChartInk::Income).size(), 12u + 1);  // and the legend's swatch
    EXPECT_EQ(ShapesOf(picture, ChartShape::Box, ChartInk::Spending).size(), 12u + 1);
    const std::vector<const ChartShape*> net = ShapesOf(picture, ChartShape::Line, ChartInk::Net);
    ASSERT_EQ(net.size(), 2u);  // the legend's and the chart's
    EXPECT_EQ(net[1]->points.size(), 12u);
    const std::vector<std::string> texts = LabelTexts(picture);
    for (const char* text : {"Deposits", "Withdrawals", "Net", "Jan 2026", "Dec 2026"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;

    // Fifty years on 300 units: the months go together in years or more, a column pair each.
    const ChartPicture decades = LayOutChart(Months(600, 300, 200, {1976, 1, 1}), kMeasure, 300, 200);
    EXPECT_LE(ShapesOf(decades, ChartShape::Box, ChartInk::Income).size(), 100u);
}

// Whatever the figures and the size: every shape inside the area, and no
// label over another.
TEST(ChartLayout, LabelsNeverOverlapAndNothingLeavesTheArea) {
    std::vector<double> swing(800);
    for (std::size_t i = 0; i < swing.size(); ++i) swing[i] = (i % 90) * 1e7 - 3e8;
    const ChartFigures charts[] = {
        Bars({{"A very long category name indeed", 1e9}, {"Small", 0.01}}),
        Bars({{"Refund", -20}, {"Rent", 600}}),
        Balances({0, 0, 0}),
        Balances({1234.56}),
        Balances({-5, -7}, {2026, 1, 20}),
        Balances(swing, {2024, 2, 29}),
        Months(1, 0, 0),
        Months(1, 1e9, 0),
        Months(36, 50, 80, {2025, 7, 1}),
        Months(600, 300, 200, {1976, 5, 1}),
    };
    const std::pair<int, int> sizes[] = {{640, 480}, {320, 200}, {150, 90}, {2400, 1600}, {30, 20}};
    for (const ChartFigures& figures : charts)
        for (const auto& [width, height] : sizes) {
            SCOPED_TRACE(testing::Message() << figures.title << " " << figures.bars.size() + figures.balances.size() +
                                                   figures.months.size()
                                            << " at " << width << "x" << height);
            const ChartPicture picture = LayOutChart(figures, kMeasure, width, height);
            std::vector<PrintRect> labels;
            for (const ChartShape& shape : picture.shapes) {
                const bool inside = shape.rect.left >= 0 && shape.rect.top >= 0 && shape.rect.right <= width &&
                                    shape.rect.bottom <= height;
                EXPECT_TRUE(inside) << shape.text;
                for (const ChartPoint& point : shape.points) {
                    EXPECT_TRUE(point.x >= 0 && point.x <= width && point.y >= 0 && point.y <= height);
                }
                if (shape.kind != ChartShape::Label) continue;
                EXPECT_LE(kMeasure.TextWidth(shape.text), shape.rect.right - shape.rect.left) << shape.text;
                for (const PrintRect& other : labels) EXPECT_FALSE(Overlap(shape.rect, other)) << shape.text;
                labels.push_back(shape.rect);
            }
        }
}

// Spending and income side by side, and every ink on the background, stay
// apart in grey print and for the common colour-vision deficiencies.
TEST(ChartPalette, ContrastInGreyAndForColourBlindness) {
    const auto linear = [](std::uint8_t value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    using Linear = std::array<double, 3>;
    const auto linearOf = [&](ChartInk ink) {
        const ChartColour colour = InkColour(ink);
        return Linear{linear(colour.red), linear(colour.green), linear(colour.blue)};
    };
    const auto luminance = [](const Linear& c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; };
    const auto contrast = [&](const Linear& a, const Linear& b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    // CIELAB distance of two linear sRGB colours.
    const auto lab = [](const Linear& c) {
        const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
        const Linear clamped = {std::clamp(c[0], 0.0, 1.0), std::clamp(c[1], 0.0, 1.0), std::clamp(c[2], 0.0, 1.0)};
        const double x = (0.4124 * clamped[0] + 0.3576 * clamped[1] + 0.1805 * clamped[2]) / 0.95047;
        const double y = 0.2126 * clamped[0] + 0.7152 * clamped[1] + 0.0722 * clamped[2];
        const double z = (0.0193 * clamped[0] + 0.1192 * clamped[1] + 0.9505 * clamped[2]) / 1.08883;
        return Linear{116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
    };
    const auto distance = [&](const Linear& a, const Linear& b) {
        const Linear p = lab(a), q = lab(b);
        return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
    };
    // Machado, Oliveira and Fernandes (2009), full severity, on linear RGB.
    using Matrix = std::array<Linear, 3>;
    const Matrix normal = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    const Matrix protanopia = {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
    const Matrix deuteranopia = {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
    const Matrix tritanopia = {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602},
                                {0.004733, 0.691367, 0.303900}}};
    const auto seen = [](const Matrix& m, const Linear& c) {
        Linear out{};
        for (int i = 0; i < 3; ++i) out[i] = m[i][0] * c[0] + m[i][1] * c[1] + m[i][2] * c[2];
        return out;
    };
    const Linear spending = linearOf(ChartInk::Spending), income = linearOf(ChartInk::Income);
    EXPECT_GE(contrast(spending, income), 3.0);
    for (const Matrix* vision : {&normal, &protanopia, &deuteranopia, &tritanopia})
        EXPECT_GE(distance(seen(*vision, spending), seen(*vision, income)), 40.0);
    const Linear background = linearOf(ChartInk::Background);
    for (const ChartInk ink : {ChartInk::Text, ChartInk::Axis, ChartInk::Spending, ChartInk::Income,
                               ChartInk::Balance, ChartInk::Net})
        EXPECT_GE(contrast(linearOf(ink), background), 3.0) << int(ink);
    EXPECT_LT(luminance(linearOf(ChartInk::Axis)), luminance(linearOf(ChartInk::Grid)));
}
