#pragma once
// A chart laid out for an area: boxes, lines and labels in device units from
// the area's top-left corner, in drawing order, each in one of the palette's
// inks. The shell draws them as they are on a window, a printer's page or a
// metafile.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/tables/report_layout.h"

enum class ChartInk : std::uint8_t { Text, Axis, Grid, Spending, Income, Balance, Net, Background };

struct ChartColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The palette, by ink. Spending and income stand side by side, so they
// differ in lightness as well as hue: a grey printout and the common
// colour-vision deficiencies keep them apart. The net line crosses both
// and goes over a halo of the background.
inline constexpr ChartColour kChartPalette[] = {
    {0x00, 0x00, 0x00},  // Text
    {0x40, 0x40, 0x40},  // Axis
    {0xD9, 0xD9, 0xD9},  // Grid
    {0xE0, 0x6C, 0x00},  // Spending: orange
    {0x1A, 0x3A, 0x6B},  // Income: dark blue
    {0x1A, 0x3A, 0x6B},  // Balance
    {0x00, 0x00, 0x00},  // Net
    {0xFF, 0xFF, 0xFF},  // Background
};
inline ChartColour InkColour(ChartInk ink) { return kChartPalette[static_cast<int>(ink)]; }

struct ChartPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartShape {
    enum Kind : std::uint8_t {
        Box,    // `rect` filled
        Line,   // `points` joined, `width` device units wide
        Label,  // `text` on one line, vertically centred in `rect`, aligned by `align`
    };
    Kind kind = Box;
    ChartInk ink = ChartInk::Text;
    PrintRect rect;
    std::vector<ChartPoint> points;
    int width = 1;
    std::string text;
    TextAlign align = TextAlign::Left;
};

struct ChartPicture {
    std::vector<ChartShape> shapes;
};

// The font a chart's labels are measured in: the device's.
class ChartMeasure {
public:
    virtual ~ChartMeasure() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int LineHeight() const = 0;
};
