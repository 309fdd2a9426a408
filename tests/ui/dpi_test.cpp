// The program at the DPI given on the command line (96, 144 or 192): its
// 96-DPI sizes are scaled by DPI / 96 and stored back in 96-DPI units.
//
// The system reads its DPI ("LogPixels") once, as a process starts, so this
// process sets the value, runs the tests in a process of its own started from
// the same file, then sets 96 again, the DPI the other UI tests run at,
// whatever the tests' outcome.

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/settings.h"
#include "model/tables/accounts_list.h"
#include "model/tables/summary_rows.h"
#include "model/tables/transaction_rows.h"
#include "reports/report_printer.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "shell/window_dpi.h"
#include "views/transaction_list.h"

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr DWORD kUsualDpi = 96;

int testedDpi = kUsualDpi;

// A 96-DPI size at `dpi`, as the system rounds.
int AtDpi(int pixelsAt96, int dpi) { return MulDiv(pixelsAt96, dpi, 96); }
int AtTestedDpi(int pixelsAt96) { return AtDpi(pixelsAt96, testedDpi); }

SIZE WindowSize(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void ExpectColumnWidths(HWND list, std::span<const ListColumn> columns, int dpi) {
    for (int column = 0; column < static_cast<int>(columns.size()); ++column)
        EXPECT_EQ(ListView_GetColumnWidth(list, column), AtDpi(columns[column].width, dpi)) << column;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    EXPECT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    return {info.bmWidth, info.bmHeight};
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    const UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    return BitmapSize(colour.Get());
}

SIZE ImageListSize(HIMAGELIST images) {
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    return {width, height};
}

SIZE ToolbarImageSize() {
    return ImageListSize(reinterpret_cast<HIMAGELIST>(SendMessageA(App.toolbar, TB_GETIMAGELIST, 0, 0)));
}

SIZE DateSortImageSize() {
    HDITEMA item{};
    item.mask = HDI_BITMAP;
    SendMessageA(ListView_GetHeader(App.transactionList), HDM_GETITEMA, ColumnDate, reinterpret_cast<LPARAM>(&item));
    return BitmapSize(item.hbm);
}

SIZE StatsIconSize(int control) {
    return IconSize(reinterpret_cast<HICON>(SendDlgItemMessageA(App.statsPanel, control, STM_GETICON, 0, 0)));
}

void ExpectSquare(SIZE size, int side, const char* what) {
    EXPECT_EQ(size.cx, side) << what;
    EXPECT_EQ(size.cy, side) << what;
}

// The pictures of the frame, each drawn for the DPI of the frame's screen.
void ExpectFramePicturesFor(int dpi) {
    const int pictureDpi = PictureDpi(dpi);
    ExpectSquare(ToolbarImageSize(), AtDpi(16, pictureDpi), "toolbar");
    ExpectSquare(DateSortImageSize(), AtDpi(9, pictureDpi), "sort arrow");
    ExpectSquare(StatsIconSize(IDC_ACCOUNT_STATS_ICON), AtDpi(16, pictureDpi), "account stats");
    ExpectSquare(StatsIconSize(IDC_BILLS_DEPOSITS_ICON), AtDpi(16, pictureDpi), "bills and deposits");
    // The marks are drawn, not loaded: at any size.
    ExpectSquare(ImageListSize(ListView_GetImageList(App.transactionList, LVSIL_STATE)), AtDpi(16, dpi), "marks");
    // The title bar's and task switcher's icons fill their places exactly.
    ExpectSquare(IconSize(reinterpret_cast<HICON>(SendMessageA(App.frame, WM_GETICON, ICON_SMALL, 0))), AtDpi(16, dpi),
                 "small frame icon");
    ExpectSquare(IconSize(reinterpret_cast<HICON>(SendMessageA(App.frame, WM_GETICON, ICON_BIG, 0))), AtDpi(32, dpi),
                 "large frame icon");
}

// Sends a dialog the message of a move to a screen of `dpi`, in place.
void MoveDialogTo(HWND dialog, int dpi) {
    RECT place;
    GetWindowRect(dialog, &place);
    SendMessageA(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
}

// The Date header shows an arrow.
void ShowDateSortedAscending() {
    Program.SortDate = kSortAscending;
    ShowDateSortImage();
}

LONG FontHeight(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

int CALLBACK CollectFontHeight(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM heights) {
    if (record->iType == EMR_EXTCREATEFONTINDIRECTW)
        reinterpret_cast<std::vector<LONG>*>(heights)->push_back(
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont.lfHeight);
    return 1;
}

void MoveFrameTo(int dpi, RECT suggested) {
    SendMessageA(App.frame, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

DWORD StoredDword(const char* name) {
    DWORD value = 0, size = sizeof value;
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size),
              ERROR_SUCCESS)
        << name;
    return value;
}

// Starts this program's file again to run the tests at `dpi`; its exit code.
int RunAtDpi(const char* dpi) {
    char path[MAX_PATH];
    if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) return 1;
    std::string commandLine = std::string("\"") + path + "\" " + dpi + " run";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    using OwnedHandle = UniqueHandle<HANDLE, CloseHandle>;
    const OwnedHandle processHandle(process.hProcess), threadHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return static_cast<int>(exitCode);
}

// The DPI processes started while it lives read; 96 again after.
class StartingDpi {
public:
    explicit StartingDpi(DWORD dpi) : set_(Store(dpi)) {}
    ~StartingDpi() { Store(kUsualDpi); }
    StartingDpi(const StartingDpi&) = delete;
    StartingDpi& operator=(const StartingDpi&) = delete;
    explicit operator bool() const { return set_; }

private:
    static bool Store(DWORD dpi) {
        return RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD, &dpi, sizeof dpi) ==
               ERROR_SUCCESS;
    }
    bool set_;
};

}  // namespace

TEST(Dpi, TheSystemTellsTheDpiTheProcessStartedAt) {
    Driver driver;
    EXPECT_EQ(WindowDpi(App.frame), testedDpi);
    EXPECT_EQ(WindowDpi(App.transactionList), testedDpi);
}

TEST(Dpi, TheFrameOpensAt640By480At96Dpi) {
    Driver driver;
    const SIZE size = WindowSize(App.frame);
    EXPECT_EQ(size.cx, AtTestedDpi(640));
    EXPECT_EQ(size.cy, AtTestedDpi(480));
}

using DpiWithSampleFile = SampleFileOpen;

TEST_F(DpiWithSampleFile, ListColumnsAreTheir96DpiWidthsScaled) {
    ExpectColumnWidths(App.transactionList, kTransactionListColumns, testedDpi);
    driver.Command(IDM_ACCOUNTS, {[](ModalWindow& accounts) {
                       ExpectColumnWidths(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), kAccountListColumns,
                                          testedDpi);
                       accounts.Click(IDCANCEL);
                   }});
    driver.Command(IDM_SUMMARY_BY_MONTH, {[](ModalWindow& summary) {
                       ExpectColumnWidths(GetDlgItem(summary.Handle(), IDC_SUMMARY_TABLE), kMonthSummaryColumns,
                                          testedDpi);
                       summary.Click(IDCANCEL);
                   }});
}

TEST(Dpi, ColumnWidthsAreStoredIn96DpiUnits) {
    Driver driver;
    ListView_SetColumnWidth(App.transactionList, 1, AtTestedDpi(150));
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(StoredDword("Column2Width"), 150u);
    EXPECT_EQ(StoredDword("Column1Width"), DWORD(kTransactionListColumns[0].width));

    const DWORD stored = 100;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, "Column3Width", REG_DWORD, &stored, sizeof stored),
              ERROR_SUCCESS);
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(ListView_GetColumnWidth(App.transactionList, 2), AtTestedDpi(100));
    EXPECT_EQ(ListView_GetColumnWidth(App.transactionList, 1), AtTestedDpi(150));
}

TEST(Dpi, MovingToAScreenOfAnotherDpiTakesTheSuggestedPlaceAndRescalesTheColumns) {
    Driver driver;
    const auto moveTo = [](int dpi, RECT suggested) {
        MoveFrameTo(dpi, suggested);
        RECT frame;
        GetWindowRect(App.frame, &frame);
        EXPECT_TRUE(EqualRect(&frame, &suggested)) << dpi;
        ExpectColumnWidths(App.transactionList, kTransactionListColumns, dpi);
    };
    moveTo(2 * testedDpi, {30, 20, 30 + 900, 20 + 700});
    moveTo(testedDpi, {10, 10, 10 + AtTestedDpi(640), 10 + AtTestedDpi(480)});
}

TEST_F(DpiWithSampleFile, PicturesAreDrawnForTheDpi) {
    ShowDateSortedAscending();
    ExpectFramePicturesFor(testedDpi);
    EXPECT_EQ(ToolbarImageSize().cx, AtTestedDpi(16));  // 16, 24 and 32 pixels

    // The About banner, then after moves to twice the DPI and back.
    driver.Command(IDM_ABOUT, {[](ModalWindow& about) {
                       const auto banner = [&] {
                           return BitmapSize(reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
                               about.Handle(), IDC_ABOUT_BANNER, STM_GETIMAGE, IMAGE_BITMAP, 0)));
                       };
                       for (const int dpi : {testedDpi, 2 * testedDpi, testedDpi}) {
                           MoveDialogTo(about.Handle(), dpi);
                           EXPECT_EQ(banner().cx, AtDpi(115, PictureDpi(dpi))) << dpi;
                           EXPECT_EQ(banner().cy, AtDpi(19, PictureDpi(dpi))) << dpi;
                       }
                       about.Click(IDCANCEL);
                   }});
}

TEST_F(DpiWithSampleFile, TheNewFileWizardsTicksAreDrawnForItsDpi) {
    driver.Command(IDM_NEW_FILE, {ChooseFile(TestFile("new.pwf")), [](ModalWindow& wizard) {
                       for (const int dpi : {testedDpi, 2 * testedDpi, testedDpi}) {
                           MoveDialogTo(wizard.Handle(), dpi);
                           for (const int tick : {IDC_TICK_ACCOUNTS, IDC_TICK_DONE})
                               ExpectSquare(IconSize(reinterpret_cast<HICON>(
                                                SendDlgItemMessageA(wizard.Handle(), tick, STM_GETICON, 0, 0))),
                                            AtDpi(16, PictureDpi(dpi)), "tick");
                       }
                       wizard.Click(IDCANCEL);
                   }});
}

TEST_F(DpiWithSampleFile, MovingToAScreenOfAnotherDpiDrawsThePicturesAgain) {
    ShowDateSortedAscending();
    ASSERT_TRUE(ButtonEnabled(IDM_NEW_TRANSACTION));
    const bool editEnabled = ButtonEnabled(IDM_EDIT_TRANSACTION);
    const bool statsShown = IsWindowVisible(App.statsPanel) != FALSE;
    const std::string clearedBalance = Stat(IDC_CLEARED_BALANCE);
    const LONG listFont = FontHeight(App.transactionList);
    ASSERT_NE(listFont, 0);

    MoveFrameTo(2 * testedDpi, {0, 0, AtDpi(640, 2 * testedDpi), AtDpi(480, 2 * testedDpi)});
    ExpectFramePicturesFor(2 * testedDpi);
    EXPECT_EQ(FontHeight(App.transactionList), 2 * listFont);
    EXPECT_EQ(FontHeight(App.toolbar), 2 * listFont);
    EXPECT_TRUE(ButtonEnabled(IDM_NEW_TRANSACTION));
    EXPECT_EQ(ButtonEnabled(IDM_EDIT_TRANSACTION), editEnabled);
    EXPECT_EQ(IsWindowVisible(App.statsPanel) != FALSE, statsShown);
    EXPECT_EQ(Stat(IDC_CLEARED_BALANCE), clearedBalance);

    MoveFrameTo(testedDpi, {0, 0, AtTestedDpi(640), AtTestedDpi(480)});
    ExpectFramePicturesFor(testedDpi);
    EXPECT_EQ(FontHeight(App.transactionList), listFont);
}

// The printer here is a metafile of the screen's resolution: a font as large
// on paper as at 96 DPI is as many more pixels as the screen has.
TEST_F(DpiWithSampleFile, PrintoutFontsAreAsLargeOnPaperAtEveryDpi) {
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(DrawListPages(App.transactionList, metafile, "Checking"), 1);
    HENHMETAFILE drawing = CloseEnhMetaFile(metafile);
    std::vector<LONG> heights;
    EnumEnhMetaFile(nullptr, drawing, CollectFontHeight, &heights, nullptr);
    DeleteEnhMetaFile(drawing);
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    EXPECT_EQ(heights, (std::vector<LONG>{AtTestedDpi(12), 2 * AtTestedDpi(12)}));
}

TEST_F(DpiWithSampleFile, ABudgetAccountsDetailsAre150PixelsHighAt96Dpi) {
    driver.Command(IDM_ACCOUNTS, {[&](ModalWindow& accounts) {
                       SelectListRow(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), 1);  // "Food"
                       driver.Click(accounts, IDC_ACCOUNT_DETAILS, {[](ModalWindow& details) {
                                        EXPECT_EQ(WindowSize(details.Handle()).cy, AtTestedDpi(150));
                                        details.Click(IDCANCEL);
                                    }});
                       accounts.Click(IDCANCEL);
                   }});
}

TEST_F(DpiWithSampleFile, ADialogMovedToAScreenOfAnotherDpiKeepsItsColumnWidths) {
    driver.Command(IDM_ACCOUNTS, {[](ModalWindow& accounts) {
                       MoveDialogTo(accounts.Handle(), 2 * testedDpi);
                       ExpectColumnWidths(GetDlgItem(accounts.Handle(), IDC_ACCOUNT_LIST), kAccountListColumns,
                                          2 * testedDpi);
                       accounts.Click(IDCANCEL);
                   }});
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dpi_test DPI\n");
        return 2;
    }
    if (argc == 2) {
        const StartingDpi dpi(std::stoul(argv[1]));
        return dpi ? RunAtDpi(argv[1]) : 1;
    }
    testedDpi = std::stoi(argv[1]);
    return RUN_ALL_TESTS();
}
