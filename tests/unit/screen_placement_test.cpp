// The stored window placement: reading it back, and bringing a frame that
// lies off every screen back onto the nearest one.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include "model/screen_placement.h"

// Outside the unnamed namespace, where GoogleTest's printer finds it.
static std::ostream& operator<<(std::ostream& out, const ScreenRect& r) {
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

// A placement as GetWindowPlacement gives it, in the registry's byte order.
std::vector<std::uint8_t> Stored(std::uint32_t length, std::uint32_t flags, std::uint32_t showCmd, ScreenRect normal) {
    std::vector<std::uint8_t> bytes;
    const std::int32_t noPosition = -1;
    for (std::int64_t field : {std::int64_t(length), std::int64_t(flags), std::int64_t(showCmd),
                               std::int64_t(noPosition), std::int64_t(noPosition), std::int64_t(-32000),
                               std::int64_t(-32000), std::int64_t(normal.left), std::int64_t(normal.top),
                               std::int64_t(normal.right), std::int64_t(normal.bottom)}) {
        const auto value = static_cast<std::uint32_t>(field);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(std::uint8_t(value >> shift));
    }
    return bytes;
}

std::vector<std::uint8_t> Stored(std::uint32_t showCmd, ScreenRect normal) { return Stored(44, 0, showCmd, normal); }

constexpr ScreenRect kScreen{0, 0, 1280, 1024};

}  // namespace

TEST(StoredPlacement, ReadsTheNormalRectangleAndTheShowState) {
    const auto normal = ReadStoredPlacement(Stored(kShowNormal, {100, 50, 740, 530}));
    ASSERT_TRUE(normal);
    EXPECT_EQ(normal->showCommand, kShowNormal);
    EXPECT_EQ(normal->normal, (ScreenRect{100, 50, 740, 530}));

    const auto maximised = ReadStoredPlacement(Stored(kShowMaximized, {-1200, -8, -560, 472}));
    ASSERT_TRUE(maximised);
    EXPECT_EQ(maximised->showCommand, kShowMaximized);
    EXPECT_EQ(maximised->normal, (ScreenRect{-1200, -8, -560, 472}));
}

TEST(StoredPlacement, MinimisedHiddenAndUnknownStatesStartNormal) {
    // Every show command but maximised (3), and numbers Win32 does not use.
    for (std::uint32_t show : {0u, 2u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 0xFFFFFFFFu}) {
        const auto placement = ReadStoredPlacement(Stored(show, {0, 0, 640, 480}));
        ASSERT_TRUE(placement) << show;
        EXPECT_EQ(placement->showCommand, kShowNormal) << show;
    }
    // Minimised from maximised still starts normal.
    const auto placement = ReadStoredPlacement(Stored(44, 2 /* restore to maximised */, kShowMinimized, {0, 0, 640, 480}));
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->showCommand, kShowNormal);
}

TEST(StoredPlacement, RefusesBytesThatAreNotAPlacement) {
    const std::vector<std::uint8_t> good = Stored(kShowNormal, {0, 0, 640, 480});
    ASSERT_TRUE(ReadStoredPlacement(good));

    for (std::size_t size : {0u, 1u, 3u, 40u, 43u}) {
        EXPECT_FALSE(ReadStoredPlacement(std::span(good).first(size))) << size;
    }
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(ReadStoredPlacement(longer));

    for (std::uint32_t length : {0u, 40u, 45u, 0x2C000000u}) {
        EXPECT_FALSE(ReadStoredPlacement(Stored(length, 0, kShowNormal, {0, 0, 640, 480}))) << length;
    }
}

TEST(StoredPlacement, RefusesAnEmptyOrInvertedNormalRectangle) {
    for (ScreenRect rect : {ScreenRect{0, 0, 0, 0}, ScreenRect{100, 100, 100, 400}, ScreenRect{100, 100, 400, 100},
                            ScreenRect{500, 0, 100, 480}, ScreenRect{0, 480, 640, 0}}) {
        EXPECT_FALSE(ReadStoredPlacement(Stored(kShowNormal, rect))) << rect;
    }
}

TEST(FitInside, LeavesARectangleThatIsInside) {
    EXPECT_EQ(FitInside({100, 100, 740, 580}, kScreen), (ScreenRect{100, 100, 740, 580}));
    EXPECT_EQ(FitInside(kScreen, kScreen), kScreen);
}

TEST(FitInside, MovesARectangleBackOverTheNearestEdges) {
    EXPECT_EQ(FitInside({30000, 100, 30640, 580}, kScreen), (ScreenRect{640, 100, 1280, 580}));
    EXPECT_EQ(FitInside({-5000, 100, -4360, 580}, kScreen), (ScreenRect{0, 100, 640, 580}));
    EXPECT_EQ(FitInside({100, -900, 740, -420}, kScreen), (ScreenRect{100, 0, 740, 480}));
    EXPECT_EQ(FitInside({100, 2000, 740, 2480}, kScreen), (ScreenRect{100, 544, 740, 1024}));
    EXPECT_EQ(FitInside({30000, 30000, 30640, 30480}, kScreen), (ScreenRect{640, 544, 1280, 1024}));
    // Partly outside: moved just far enough.
    EXPECT_EQ(FitInside({1000, 900, 1640, 1380}, kScreen), (ScreenRect{640, 544, 1280, 1024}));
}

TEST(FitInside, ShrinksARectangleLargerThanTheArea) {
    EXPECT_EQ(FitInside({-100, -100, 3000, 2000}, kScreen), kScreen);
    EXPECT_EQ(FitInside({5000, 100, 8000, 580}, kScreen), (ScreenRect{0, 100, 1280, 580}));
    EXPECT_EQ(FitInside({100, -3000, 740, 3000}, kScreen), (ScreenRect{100, 0, 740, 1024}));
}

TEST(FitInside, WorksOnAnAreaAwayFromTheOrigin) {
    // A screen left of the primary one, its taskbar along the top.
    const ScreenRect area{-1920, 40, 0, 1080};
    EXPECT_EQ(FitInside({-30000, 0, -29360, 480}, area), (ScreenRect{-1920, 40, -1280, 520}));
    EXPECT_EQ(FitInside({-3000, -3000, 3000, 3000}, area), area);
}

TEST(FitInside, TakesTheWidestEdgesWithoutOverflow) {
    constexpr std::int32_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t high = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(FitInside({low, low, high, high}, kScreen), kScreen);
    EXPECT_EQ(FitInside({high - 640, high - 480, high, high}, kScreen), (ScreenRect{640, 544, 1280, 1024}));
    EXPECT_EQ(FitInside({low, low, low + 640, low + 480}, kScreen), (ScreenRect{0, 0, 640, 480}));
}

TEST(FitInside, AnEmptyAreaLeavesTheRectangle) {
    EXPECT_EQ(FitInside({30000, 0, 30640, 480}, {0, 0, 0, 0}), (ScreenRect{30000, 0, 30640, 480}));
    EXPECT_EQ(FitInside({30000, 0, 30640, 480}, {100, 0, 0, 100}), (ScreenRect{30000, 0, 30640, 480}));
}

TEST(KeepOnScreen, KeepsARectangleThatOverlapsTheWorkArea) {
    EXPECT_EQ(KeepOnScreen({100, 100, 740, 580}, kScreen), (ScreenRect{100, 100, 740, 580}));
    // Mostly off the screen, but a corner still shows and can be dragged back.
    EXPECT_EQ(KeepOnScreen({1270, 1014, 1910, 1494}, kScreen), (ScreenRect{1270, 1014, 1910, 1494}));
    EXPECT_EQ(KeepOnScreen({-630, -470, 10, 10}, kScreen), (ScreenRect{-630, -470, 10, 10}));
    EXPECT_EQ(KeepOnScreen({-100, -100, 3000, 2000}, kScreen), (ScreenRect{-100, -100, 3000, 2000}));
}

TEST(KeepOnScreen, BringsBackARectangleOffTheWorkArea) {
    EXPECT_EQ(KeepOnScreen({30000, 100, 30640, 580}, kScreen), (ScreenRect{640, 100, 1280, 580}));
    // Touching an edge is not overlapping it.
    EXPECT_EQ(KeepOnScreen({1280, 100, 1920, 580}, kScreen), (ScreenRect{640, 100, 1280, 580}));
    EXPECT_EQ(KeepOnScreen({100, -480, 740, 0}, kScreen), (ScreenRect{100, 0, 740, 480}));
    // On the monitor but only where the taskbar is: moved into the work area.
    const ScreenRect workArea{0, 0, 1280, 984};
    EXPECT_EQ(KeepOnScreen({100, 990, 740, 1020}, workArea), (ScreenRect{100, 954, 740, 984}));
}
