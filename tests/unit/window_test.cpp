#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "model/rules/command_rules.h"
#include "model/tables/screen_placement.h"
#include "model/tables/window_title.h"
#include "resources/resource.h"

// Outside the unnamed namespace, where GoogleTest's printer finds it.
static std::ostream& operator<<(std::ostream& out, const ScreenRect& r) {
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

// A placement as GetWindowPlacement gives it, in the registry's byte order.
std::vector<std::uint8_t> Stored(std::uint32_t length, std::uint32_t showCmd, ScreenRect normal) {
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t field : {length, 0u, showCmd, ~0u, ~0u, -32000u, -32000u, std::uint32_t(normal.left),
                                std::uint32_t(normal.top), std::uint32_t(normal.right), std::uint32_t(normal.bottom)})
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(std::uint8_t(field >> shift));
    return bytes;
}

constexpr ScreenRect kScreen{0, 0, 1280, 1024};
constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();

}  // namespace

TEST(StoredPlacement, NormalRectangleAndOnlyMaximisedStartsMaximised) {
    const ScreenRect normal{-1200, -8, -560, 472};
    for (std::uint32_t show : {0u, 1u, 2u, 3u, 9u, 0xFFFFFFFFu}) {
        const auto placement = ReadStoredPlacement(Stored(44, show, normal));
        ASSERT_TRUE(placement) << show;
        EXPECT_EQ(placement->showCommand, show == 3 ? 3u : 1u) << show;
        EXPECT_EQ(placement->normal, normal);
    }
}

TEST(StoredPlacement, RefusesBytesThatAreNotAPlacement) {
    std::vector<std::uint8_t> good = Stored(44, 1, {0, 0, 640, 480});
    EXPECT_FALSE(ReadStoredPlacement(std::span(good).first(43)));
    good.push_back(0);
    EXPECT_FALSE(ReadStoredPlacement(good));
    for (std::uint32_t length : {0u, 40u, 45u, 0x2C000000u})
        EXPECT_FALSE(ReadStoredPlacement(Stored(length, 1, {0, 0, 640, 480}))) << length;
    for (ScreenRect rect : {ScreenRect{100, 100, 100, 400}, ScreenRect{100, 100, 400, 100}, ScreenRect{9, 0, 1, 480}})
        EXPECT_FALSE(ReadStoredPlacement(Stored(44, 1, rect))) << rect;
}

TEST(KeepOnScreen, LeavesAWindowThatShowsAndBringsBackOneThatDoesNot) {
    const struct { ScreenRect rect, expected; } cases[] = {
        // On the screen, or partly: left as it is (a corner can still be dragged back).
        {{100, 100, 740, 580}, {100, 100, 740, 580}}, {{1270, 1014, 1910, 1494}, {1270, 1014, 1910, 1494}},
        {{-100, -100, 3000, 2000}, {-100, -100, 3000, 2000}},
        // Off it: moved just onto the nearest edges. Touching an edge is not overlapping.
        {{1280, 100, 1920, 580}, {640, 100, 1280, 580}}, {{-5000, 100, -4360, 580}, {0, 100, 640, 580}},
        {{100, -480, 740, 0}, {100, 0, 740, 480}},
        {{kHigh - 640, kHigh - 480, kHigh, kHigh}, {640, 544, 1280, 1024}},
        {{kLow, kLow, kLow + 640, kLow + 480}, {0, 0, 640, 480}},
        // Off it and larger than it: shrunk to the screen.
        {{5000, 100, 8000, 580}, {0, 100, 1280, 580}},
    };
    for (const auto& c : cases) EXPECT_EQ(KeepOnScreen(c.rect, kScreen), c.expected) << c.rect;
}

TEST(FitInside, MovesAndShrinksIntoTheArea) {
    const ScreenRect left{-1920, 40, 0, 1080};  // a screen left of the primary one, taskbar on top
    EXPECT_EQ(FitInside({100, 100, 740, 580}, kScreen), (ScreenRect{100, 100, 740, 580}));
    EXPECT_EQ(FitInside({kLow, kLow, kHigh, kHigh}, kScreen), kScreen);
    EXPECT_EQ(FitInside({-30000, 0, -29360, 480}, left), (ScreenRect{-1920, 40, -1280, 520}));
    EXPECT_EQ(FitInside({-3000, -3000, 3000, 3000}, left), left);
    // An empty area leaves the rectangle as it is.
    EXPECT_EQ(FitInside({30000, 0, 30640, 480}, {100, 0, 0, 100}), (ScreenRect{30000, 0, 30640, 480}));
}

TEST(WindowTitle, ProgramFileAndAccount) {
    const struct { const char* path, *account, *title; } cases[] = {
        {"C:\\Money\\Home.pwf", "Checking", "Pennywhist - Home (Checking)"},
        {"C:\\Money\\Home.pwf", nullptr, "Pennywhist - Home"},
        {"", nullptr, "Pennywhist"}, {"", "Checking", "Pennywhist (Checking)"},
        {"\\\\server\\my.share\\family.budget.pwf", nullptr, "Pennywhist - family.budget"},
        {"C:\\Money\\Home.xyz", nullptr, "Pennywhist - Home"},          // the last four characters, whatever
        {"C:/Money/Home.pwf", nullptr, "Pennywhist - C:/Money/Home"},  // only a backslash separates
        {"C:\\a.pw", "Cash", "Pennywhist -  (Cash)"},                 // four characters or fewer leave nothing
        {"x", "A", "Pennywhist -  (A)"},
    };
    for (const auto& c : cases) EXPECT_EQ(MainWindowTitle(c.path, c.account), c.title) << c.path;
}

TEST(WindowTitle, LongBaseNameIsCutTo49Characters) {
    std::string name;
    for (int i = 0; name.size() < 240; ++i) name += std::to_string(i % 10);
    EXPECT_EQ(TitleBaseName("D:\\Deep\\Folder\\" + name + ".pwf"), name.substr(0, 49));
    EXPECT_EQ(TitleBaseName(name.substr(0, 53)), name.substr(0, 49));
    EXPECT_EQ(TitleBaseName(name.substr(0, 54)), name.substr(0, 49));
}

TEST(WindowTitle, RemoveQuotesTakesOutEveryDoubleQuote) {
    EXPECT_EQ(RemoveQuotes("\"C:\\a b\\x.pwf\""), "C:\\a b\\x.pwf");
    EXPECT_EQ(RemoveQuotes("C:\\\"a\"\" b\\x.pwf\"'"), "C:\\a b\\x.pwf'");
}

TEST(Commands, EachIsEnabledOnlyWithWhatItNeeds) {
    // One command of each need, with no file, a file, a file with an account, and an account shown.
    const struct { int command; bool none, file, accounts, shown; } cases[] = {
        {IDM_OPEN, true, true, true, true}, {IDM_SAVE, false, true, true, true},
        {IDM_IMPORT_STATEMENT, false, false, true, true}, {IDM_NEW_TRANSACTION, false, false, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCommandEnabled(c.command, {}), c.none) << c.command;
        EXPECT_EQ(IsCommandEnabled(c.command, {true, false, false}), c.file) << c.command;
        EXPECT_EQ(IsCommandEnabled(c.command, {true, true, false}), c.accounts) << c.command;
        EXPECT_EQ(IsCommandEnabled(c.command, {true, true, true}), c.shown) << c.command;
    }
}
