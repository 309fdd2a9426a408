#include "model/tables/dpi_scaling.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Scaling {
    int at96;
    int dpi;
    int scaled;
};

constexpr Scaling kScalings[] = {
    {640, 96, 640},  {480, 96, 480},   {640, 120, 800}, {480, 120, 600}, {640, 144, 960}, {480, 144, 720},
    {640, 192, 1280}, {480, 192, 960}, {75, 144, 113},  // 112.5 rounds up
    {1, 144, 2},     {1, 120, 1},      {3, 120, 4},     // 3.75
    {0, 144, 0},     {0, 192, 0},      {-75, 144, -113}, {-1, 144, -2}, {-100, 192, -200},
    {100, 0, 100},   {100, -1, 100},   {100, 72, 75},   {99, 72, 74},  // 74.25
};

struct Storing {
    int pixels;
    int dpi;
    int at96;
};

constexpr Storing kStorings[] = {
    {640, 96, 640}, {800, 120, 640}, {960, 144, 640}, {1280, 192, 640}, {200, 192, 100},
    {201, 192, 101},  // 100.5 rounds up
    {199, 192, 100},  // 99.5 rounds up
    {113, 144, 75},   // 75.33
    {1, 192, 1},      {0, 144, 0},      {-200, 192, -100}, {-201, 192, -101}, {100, 0, 100}, {100, -96, 100},
};

constexpr struct {
    int dpi;
    int pictureDpi;
} kPictureDpis[] = {
    {0, 96},    {-1, 96},   {72, 96},   {96, 96},   {120, 96},  {143, 96},  {144, 144},
    {168, 144}, {191, 144}, {192, 192}, {240, 192}, {288, 192}, {480, 192},
};

}  // namespace

TEST(DpiScaling, ScalesFrom96ToTheWindowsDpi) {
    for (const Scaling& s : kScalings)
        EXPECT_EQ(ScaledForDpi(s.at96, s.dpi), s.scaled) << s.at96 << " at " << s.dpi;
}

TEST(DpiScaling, StoresIn96DpiUnits) {
    for (const Storing& s : kStorings)
        EXPECT_EQ(UnitsAt96(s.pixels, s.dpi), s.at96) << s.pixels << " at " << s.dpi;
}

TEST(DpiScaling, AStoredWidthComesBackAtEveryDpi) {
    for (int dpi : {96, 120, 144, 168, 192, 240, 288})
        for (int at96 = 0; at96 <= 400; ++at96)
            EXPECT_EQ(UnitsAt96(ScaledForDpi(at96, dpi), dpi), at96) << at96 << " at " << dpi;
}

TEST(DpiScaling, At96NothingChanges) {
    for (int pixels : {-5, 0, 1, 37, 640, 65535}) {
        EXPECT_EQ(ScaledForDpi(pixels, 96), pixels);
        EXPECT_EQ(UnitsAt96(pixels, 96), pixels);
    }
}

TEST(DpiScaling, RescalesThrough96DpiUnits) {
    EXPECT_EQ(RescaledForDpi(150, 144, 192), 200);
    EXPECT_EQ(RescaledForDpi(200, 192, 144), 150);
    EXPECT_EQ(RescaledForDpi(100, 96, 144), 150);
    EXPECT_EQ(RescaledForDpi(150, 144, 96), 100);
    EXPECT_EQ(RescaledForDpi(75, 96, 96), 75);
    EXPECT_EQ(RescaledForDpi(0, 144, 192), 0);
    // Back and forth between screens comes back to the same width.
    for (int at96 = 0; at96 <= 300; ++at96) {
        const int at144 = ScaledForDpi(at96, 144);
        EXPECT_EQ(RescaledForDpi(RescaledForDpi(at144, 144, 192), 192, 144), at144) << at96;
    }
}

TEST(DpiScaling, PicturesAreTheLargestDrawingNotAboveTheDpi) {
    for (const auto& p : kPictureDpis) EXPECT_EQ(PictureDpi(p.dpi), p.pictureDpi) << p.dpi;
    for (const auto& [dpi, side] : {std::pair{120, 16}, std::pair{144, 24}, std::pair{191, 24}, std::pair{192, 32}})
        EXPECT_EQ(SmallPictureSide(dpi), side) << dpi;
}
