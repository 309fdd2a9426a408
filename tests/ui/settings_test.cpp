// The settings in the registry: the first run and what closing the window
// writes, a round trip through a second start, stored values that cannot be
// used as they are, and the help folder.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/program.h"
#include "app/settings.h"
#include "driver.h"
#include "resources/resource.h"
#include "views/transaction_list.h"

// Outside the unnamed namespace, where GoogleTest's comparisons find them.
static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

constexpr char kMachineKey[] = "Software\\Orvanel Software\\Pennywhist";
using Widths = std::array<int, kColumnCount>;
constexpr Widths kDefaultWidths{50, 75, 75, 75, 85, 85, 85, 75};

// A stored value's type, size in bytes and first four bytes; all 0 when it is missing.
std::tuple<DWORD, DWORD, DWORD> Stored(const std::string& name) {
    DWORD type = 0, size = 64, first = 0;
    BYTE data[64] = {};
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size))
        return {};
    std::memcpy(&first, data, sizeof first);
    return {type, size, first};
}

void Store(const char* name, DWORD type, const void* data, std::size_t size) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name, type, data, DWORD(size)), ERROR_SUCCESS);
}

void StoreDword(const char* name, DWORD value) { Store(name, REG_DWORD, &value, sizeof value); }

RECT NormalRect() {
    WINDOWPLACEMENT placement{sizeof placement, 0, 0, {}, {}, {}};
    GetWindowPlacement(App.frame, &placement);
    return placement.rcNormalPosition;
}

Widths ColumnWidths() {
    Widths widths{};
    for (int column = 0; column < kColumnCount; ++column)
        widths[column] = ListView_GetColumnWidth(App.transactionList, column);
    return widths;
}

// Every test starts and ends without stored settings.
class Settings : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
};

}  // namespace

TEST_F(Settings, FirstRunKeepsTheDefaultsAndClosingWritesEveryValueWithItsType) {
    Driver driver;
    EXPECT_FALSE(LoadSettings());
    EXPECT_EQ(ColumnWidths(), kDefaultWidths);
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(Program.DateFormat, 0);
    EXPECT_EQ(Program.ShowStats, 1);

    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    using Expected = std::pair<std::string, std::tuple<DWORD, DWORD, DWORD>>;  // type, size, first four bytes
    std::vector<Expected> values = {{"DateFormat", {REG_DWORD, 4, 0}}, {"WindowPlacement", {REG_BINARY, 44, 44}},
                                    {"ShowStats", {REG_BINARY, 1, 1}},  {"SortDate", {REG_DWORD, 4, 2}},
                                    {"LastFile", {REG_SZ, 1, 0}}};
    for (int column = 0; column < kColumnCount; ++column)
        values.push_back({"Column" + std::to_string(column + 1) + "Width", {REG_DWORD, 4, kDefaultWidths[column]}});
    for (const auto& [name, expected] : values) EXPECT_EQ(Stored(name), expected) << name;
}

TEST_F(Settings, ASecondStartComesBackAsTheFirstWasSaved) {
    const Widths widths{40, 90, 60, 110, 120, 70, 200, 95};
    RECT normal;
    {
        Driver driver;
        // Away from where a new frame opens, so that the restored place shows.
        SetWindowPos(App.frame, nullptr, 120, 90, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        for (int column = 0; column < kColumnCount; ++column)
            ListView_SetColumnWidth(App.transactionList, column, widths[column]);
        Program.SortDate = 1;
        Program.DateFormat = 1;
        Program.ShowStats = 0;
        Program.currentFile = "C:\\money\\home.pwf";
        ShowWindow(App.frame, SW_MAXIMIZE);
        normal = NormalRect();
        ASSERT_TRUE(SaveSettings());
    }
    // Start-up loads the settings, then forgets a last file it cannot open.
    Driver driver("", Driver::Settings::Kept);
    EXPECT_EQ(Program.currentFile, "");
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Program.currentFile, "C:\\money\\home.pwf");
    EXPECT_TRUE(IsZoomed(App.frame));
    EXPECT_EQ(ColumnWidths(), widths);
    EXPECT_EQ(Program.SortDate, 1);
    EXPECT_EQ(Program.DateFormat, 1);
    EXPECT_EQ(Program.ShowStats, 0);
    ShowWindow(App.frame, SW_RESTORE);
    RECT frame;
    GetWindowRect(App.frame, &frame);
    EXPECT_EQ(frame, normal);
}

TEST_F(Settings, AFrameOffOrLargerThanTheScreenComesBackOntoIt) {
    for (const RECT stored : {RECT{30000, 100, 30640, 580}, RECT{-40000, -40000, -20000, -20000}}) {
        const WINDOWPLACEMENT placement{sizeof placement, 0, SW_SHOWNORMAL, {-1, -1}, {-1, -1}, stored};
        Store("WindowPlacement", REG_BINARY, &placement, sizeof placement);
        Driver driver("", Driver::Settings::Kept);
        const RECT normal = NormalRect();
        RECT area, onScreen;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        IntersectRect(&onScreen, &normal, &area);
        EXPECT_EQ(onScreen, normal) << "stored at " << stored;
        EXPECT_TRUE(IsWindowVisible(App.frame));
    }
}

TEST_F(Settings, UnusableValuesAreSkippedAndTheOthersStillRead) {
    StoreDword("DateFormat", 1);
    Store("WindowPlacement", REG_BINARY, "\x2C\0", 3);  // too short
    StoreDword("ShowStats", 0);                         // a DWORD where one byte belongs
    StoreDword("Column3Width", 0x00010064);             // only the low 16 bits count
    StoreDword("SortDate", 7);
    const std::string longest = "C:\\" + std::string(256, 'y');  // 259 characters
    Store("LastFile", REG_SZ, (longest + "z").c_str(), longest.size() + 2);

    Driver driver("", Driver::Settings::Kept);
    const RECT before = NormalRect();
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Program.DateFormat, 1);
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
    EXPECT_EQ(NormalRect(), before);
    EXPECT_EQ(Program.ShowStats, 1);
    Widths widths = kDefaultWidths;
    widths[2] = 100;
    EXPECT_EQ(ColumnWidths(), widths);
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(Program.currentFile, "");

    // Also an order that is negative as a signed number, and the longest path that fits.
    StoreDword("SortDate", 0xFFFFFFFF);
    Store("LastFile", REG_SZ, longest.c_str(), longest.size() + 1);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(Program.currentFile, longest);
}

TEST_F(Settings, HelpFolderIsTheProgramFolderUnlessTheMachineNamesOne) {
    // Wine's user may write the machine's keys; what this test creates there goes again at the end.
    HKEY machine = nullptr;
    DWORD created = 0;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &machine, &created);
    ASSERT_NE(machine, nullptr);
    RegDeleteValueA(machine, "Path");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);

    Driver driver;
    EXPECT_EQ(Program.HelpFolder, std::string(exe).substr(0, std::string(exe).find_last_of('\\')));
    const char help[] = "C:\\Program Files\\Pennywhist Help";
    RegSetValueExA(machine, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(help), sizeof help);
    EXPECT_FALSE(LoadSettings());  // the help folder comes before the per-user settings
    EXPECT_EQ(Program.HelpFolder, help);

    RegDeleteValueA(machine, "Path");
    RegCloseKey(machine);
    if (created == REG_CREATED_NEW_KEY) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMachineKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvanel Software");  // only if nothing else is there
    }
}
