// The settings in the registry: the first run, what saving writes, a round
// trip through a second start, closing the window, stored values that cannot
// be used as they are, and the help folder.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/settings.h"
#include "driver.h"
#include "resources/resource.h"
#include "views/transaction_list.h"

// Outside the unnamed namespace, where GoogleTest's comparisons find them.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

constexpr char kMachineKey[] = "Software\\Orvanel Software\\Pennywhist";
constexpr std::array<int, kColumnCount> kDefaultWidths{50, 75, 75, 75, 85, 85, 85, 75};

std::string ColumnWidthName(int column) { return "Column" + std::to_string(column + 1) + "Width"; }

struct StoredValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;

    DWORD Dword() const {
        DWORD value = 0;
        if (data.size() == sizeof value) std::memcpy(&value, data.data(), sizeof value);
        return value;
    }
};

std::optional<StoredValue> Stored(const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value.data.resize(size);
        status = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return value;
}

void Store(const char* name, DWORD type, const void* data, std::size_t size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), DWORD(size)), ERROR_SUCCESS);
    RegCloseKey(key);
}

void StoreDword(const char* name, DWORD value) { Store(name, REG_DWORD, &value, sizeof value); }

void StorePlacement(UINT showCmd, RECT normal) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.showCmd = showCmd;
    placement.ptMinPosition = placement.ptMaxPosition = {-1, -1};
    placement.rcNormalPosition = normal;
    Store("WindowPlacement", REG_BINARY, &placement, sizeof placement);
}

WINDOWPLACEMENT FramePlacement() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(App.frame, &placement);
    return placement;
}

std::array<int, kColumnCount> ColumnWidths() {
    std::array<int, kColumnCount> widths{};
    for (int column = 0; column < kColumnCount; ++column)
        widths[column] = ListView_GetColumnWidth(App.transactionList, column);
    return widths;
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

bool Inside(const RECT& rect, const RECT& area) {
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right && rect.bottom <= area.bottom;
}

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string file = path;
    return file.substr(0, file.find_last_of('\\'));
}

void ExpectDefaultSettings() {
    EXPECT_EQ(ColumnWidths(), kDefaultWidths);
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(Program.DateFormat, 0);
    EXPECT_EQ(Program.ShowStats, 1);
    EXPECT_EQ(Program.currentFile, "");
}

// Every test starts and ends without stored settings.
class Settings : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }
};

}  // namespace

TEST_F(Settings, FirstRunKeepsTheDefaultsAndSavingWritesEveryValue) {
    Driver driver;
    EXPECT_FALSE(LoadSettings());
    ExpectDefaultSettings();
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
    RECT frame;
    GetWindowRect(App.frame, &frame);
    EXPECT_EQ(frame.right - frame.left, 640);
    EXPECT_EQ(frame.bottom - frame.top, 480);

    ASSERT_TRUE(SaveSettings());
    const auto dateFormat = Stored("DateFormat");
    ASSERT_TRUE(dateFormat);
    EXPECT_EQ(dateFormat->type, DWORD(REG_DWORD));
    EXPECT_EQ(dateFormat->data.size(), 4u);
    EXPECT_EQ(dateFormat->Dword(), 0u);

    const auto placement = Stored("WindowPlacement");
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->type, DWORD(REG_BINARY));
    ASSERT_EQ(placement->data.size(), 44u);
    WINDOWPLACEMENT stored;
    std::memcpy(&stored, placement->data.data(), sizeof stored);
    EXPECT_EQ(stored.length, 44u);
    EXPECT_EQ(stored.showCmd, UINT(SW_SHOWNORMAL));
    EXPECT_EQ(stored.rcNormalPosition, FramePlacement().rcNormalPosition);

    const auto showStats = Stored("ShowStats");
    ASSERT_TRUE(showStats);
    EXPECT_EQ(showStats->type, DWORD(REG_BINARY));
    EXPECT_EQ(showStats->data, std::vector<BYTE>{1});

    for (int column = 0; column < kColumnCount; ++column) {
        const auto width = Stored(ColumnWidthName(column).c_str());
        ASSERT_TRUE(width) << column;
        EXPECT_EQ(width->type, DWORD(REG_DWORD)) << column;
        EXPECT_EQ(width->data.size(), 4u) << column;
        EXPECT_EQ(width->Dword(), DWORD(kDefaultWidths[column])) << column;
    }

    const auto sortDate = Stored("SortDate");
    ASSERT_TRUE(sortDate);
    EXPECT_EQ(sortDate->type, DWORD(REG_DWORD));
    EXPECT_EQ(sortDate->data.size(), 4u);
    EXPECT_EQ(sortDate->Dword(), 2u);

    const auto lastFile = Stored("LastFile");
    ASSERT_TRUE(lastFile);
    EXPECT_EQ(lastFile->type, DWORD(REG_SZ));
    EXPECT_EQ(lastFile->data, std::vector<BYTE>{0});
}

TEST_F(Settings, ASecondStartComesBackAsTheFirstWasSaved) {
    const std::array<int, kColumnCount> widths{40, 90, 60, 110, 120, 70, 200, 95};
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
        ASSERT_TRUE(IsZoomed(App.frame));
        normal = FramePlacement().rcNormalPosition;
        EXPECT_EQ(normal.right - normal.left, 700);
        EXPECT_EQ(normal.bottom - normal.top, 500);
        ASSERT_TRUE(SaveSettings());
    }

    const auto expectStored = [&] {
        EXPECT_TRUE(IsWindowVisible(App.frame));
        EXPECT_TRUE(IsZoomed(App.frame));
        EXPECT_EQ(FramePlacement().rcNormalPosition, normal);
        EXPECT_EQ(ColumnWidths(), widths);
        EXPECT_EQ(Program.SortDate, 1);
        EXPECT_EQ(Program.DateFormat, 1);
        EXPECT_EQ(Program.ShowStats, 0);
        EXPECT_FALSE(IsWindowVisible(App.statsPanel));
    };
    // Start-up loads the settings, then forgets a last file it cannot open.
    Driver driver("", Driver::Settings::Kept);
    expectStored();
    EXPECT_EQ(Program.currentFile, "");
    // Loading again takes the last file too, and changes nothing else.
    EXPECT_TRUE(LoadSettings());
    expectStored();
    EXPECT_EQ(Program.currentFile, "C:\\money\\home.pwf");

    // Restored, the frame goes back to the saved rectangle.
    ShowWindow(App.frame, SW_RESTORE);
    RECT frame;
    GetWindowRect(App.frame, &frame);
    EXPECT_EQ(frame, normal);
}

TEST_F(Settings, ClosingTheWindowSavesTheSettings) {
    Driver driver;
    Program.SortDate = 0;
    ListView_SetColumnWidth(App.transactionList, 4, 140);
    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);

    const auto sortDate = Stored("SortDate");
    ASSERT_TRUE(sortDate);
    EXPECT_EQ(sortDate->Dword(), 0u);
    const auto width = Stored("Column5Width");
    ASSERT_TRUE(width);
    EXPECT_EQ(width->Dword(), 140u);
    EXPECT_TRUE(Stored("WindowPlacement"));
}

TEST_F(Settings, AFrameStoredOffEveryScreenComesBackOntoOne) {
    StorePlacement(SW_SHOWNORMAL, {30000, 100, 30640, 580});
    Driver driver("", Driver::Settings::Kept);
    EXPECT_TRUE(LoadSettings());
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
    const RECT normal = FramePlacement().rcNormalPosition;
    EXPECT_TRUE(Inside(normal, WorkArea())) << normal;
    EXPECT_EQ(normal.right - normal.left, 640);
    EXPECT_EQ(normal.bottom - normal.top, 480);
    EXPECT_EQ(normal.top, 100);
    RECT frame;
    GetWindowRect(App.frame, &frame);
    EXPECT_TRUE(Inside(frame, WorkArea())) << frame;
}

TEST_F(Settings, AFrameLargerThanTheScreenIsShrunkOntoIt) {
    StorePlacement(SW_SHOWNORMAL, {-40000, -40000, -20000, -20000});
    Driver driver("", Driver::Settings::Kept);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(FramePlacement().rcNormalPosition, WorkArea());
}

TEST_F(Settings, AFrameSavedMinimisedStartsNormal) {
    StorePlacement(SW_SHOWMINIMIZED, {200, 150, 840, 630});
    Driver driver("", Driver::Settings::Kept);
    EXPECT_TRUE(LoadSettings());
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsIconic(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
    EXPECT_EQ(FramePlacement().rcNormalPosition, (RECT{200, 150, 840, 630}));
}

TEST_F(Settings, UnusableValuesAreSkippedAndTheOthersStillRead) {
    StoreDword("DateFormat", 1);
    const BYTE shortPlacement[3] = {44, 0, 0};
    Store("WindowPlacement", REG_BINARY, shortPlacement, sizeof shortPlacement);
    StoreDword("ShowStats", 0);  // a DWORD where one byte belongs
    StoreDword("Column3Width", 0x00010064);
    StoreDword("SortDate", 7);
    const std::string longPath = "C:\\" + std::string(397, 'x');
    Store("LastFile", REG_SZ, longPath.c_str(), longPath.size() + 1);

    Driver driver("", Driver::Settings::Kept);
    const WINDOWPLACEMENT before = FramePlacement();
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(Program.DateFormat, 1);
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
    EXPECT_EQ(FramePlacement().rcNormalPosition, before.rcNormalPosition);
    EXPECT_EQ(Program.ShowStats, 1);
    std::array<int, kColumnCount> widths = kDefaultWidths;
    widths[2] = 100;  // the low 16 bits
    EXPECT_EQ(ColumnWidths(), widths);
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(Program.currentFile, "");
}

TEST_F(Settings, PlacementsOfTheWrongSizeOrLengthAreSkipped) {
    WINDOWPLACEMENT placement{};
    placement.length = 40;
    placement.showCmd = SW_SHOWMAXIMIZED;
    placement.rcNormalPosition = {10, 10, 500, 400};
    Store("WindowPlacement", REG_BINARY, &placement, sizeof placement);
    {
        Driver driver("", Driver::Settings::Kept);
        EXPECT_TRUE(LoadSettings());
        EXPECT_TRUE(IsWindowVisible(App.frame));
        EXPECT_FALSE(IsZoomed(App.frame));
    }
    std::vector<BYTE> longer(sizeof placement + 4, 0);
    placement.length = sizeof placement;
    std::memcpy(longer.data(), &placement, sizeof placement);
    Store("WindowPlacement", REG_BINARY, longer.data(), longer.size());
    Driver driver("", Driver::Settings::Kept);
    EXPECT_TRUE(LoadSettings());
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
}

TEST_F(Settings, SortOrdersOutsideTheKnownOnesLeaveTheListUnsorted) {
    for (DWORD stored : {0u, 1u, 2u, 3u, 0xFFFFFFFFu}) {
        StoreDword("SortDate", stored);
        Driver driver("", Driver::Settings::Kept);
        EXPECT_TRUE(LoadSettings());
        EXPECT_EQ(Program.SortDate, stored <= 2 ? int(stored) : 2) << stored;
    }
}

TEST_F(Settings, LastFileIsTakenOnlyWhenItFitsAPath) {
    const std::string longest = "C:\\" + std::string(256, 'y');  // 259 characters
    struct Case {
        std::string stored;  // the bytes, terminator included where there is one
        std::string taken;
    };
    const Case cases[] = {
        {std::string("C:\\a.pwf", 8), "C:\\a.pwf"},  // no terminator
        {std::string("C:\\b.pwf\0", 9), "C:\\b.pwf"},
        {longest + '\0', longest},
        {longest + 'z', ""},  // 260 characters and no room for a terminator
        {longest + 'z' + '\0', ""},
    };
    for (const Case& c : cases) {
        Store("LastFile", REG_SZ, c.stored.data(), c.stored.size());
        Driver driver("", Driver::Settings::Kept);
        EXPECT_TRUE(LoadSettings());
        EXPECT_EQ(Program.currentFile, c.taken) << c.stored.size() << " bytes";
    }
}

TEST_F(Settings, HelpFolderIsTheProgramFolderUnlessTheMachineNamesOne) {
    // Wine's user may write the machine's keys; what this test creates there goes again at the end.
    struct MachineKey {
        HKEY key = nullptr;
        DWORD disposition = 0;
        MachineKey() {
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                            &disposition);
            RegDeleteValueA(key, "Path");
        }
        ~MachineKey() {
            RegDeleteValueA(key, "Path");
            RegCloseKey(key);
            if (disposition == REG_CREATED_NEW_KEY) {
                RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMachineKey);
                RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvanel Software");  // only if nothing else is there
            }
        }
    } machine;
    ASSERT_NE(machine.key, nullptr);

    Driver driver;
    EXPECT_FALSE(LoadSettings());  // the help folder comes before the per-user settings
    EXPECT_EQ(Program.HelpFolder, ProgramFolder());
    EXPECT_FALSE(Program.HelpFolder.empty());
    EXPECT_NE(Program.HelpFolder.back(), '\\');

    const char help[] = "C:\\Program Files\\Pennywhist Help";
    ASSERT_EQ(RegSetValueExA(machine.key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(help), sizeof help),
              ERROR_SUCCESS);
    EXPECT_FALSE(LoadSettings());
    EXPECT_EQ(Program.HelpFolder, help);

    ASSERT_EQ(RegSetValueExA(machine.key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1), ERROR_SUCCESS);
    LoadSettings();
    EXPECT_EQ(Program.HelpFolder, ProgramFolder());
}
