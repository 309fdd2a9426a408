#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "model/tables/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

int Width(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

void Store(const char* name, DWORD type, const void* data, std::size_t size) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name, type, data, DWORD(size)), ERROR_SUCCESS);
}

void StoreDword(const char* name, DWORD value) { Store(name, REG_DWORD, &value, sizeof value); }

void Notify(UINT code, int column = -1) {
    NMLISTVIEW notice{};
    notice.hdr = {App.transactionList, UINT_PTR(GetDlgCtrlID(App.transactionList)), code};
    notice.iItem = -1;
    notice.iSubItem = column;
    SendMessageA(App.frame, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

HBITMAP DateHeaderImage() {
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    SendMessageA(ListView_GetHeader(App.transactionList), HDM_GETITEMA, ColumnDate, reinterpret_cast<LPARAM>(&item));
    return (item.fmt & HDF_BITMAP) != 0 ? item.hbm : nullptr;
}

using TransactionList = SampleFileOpen;

}  // namespace

TEST(MainFrame, TheGuiThreadIsInASingleThreadedComApartmentUntilTheProgramFinishes) {
    // As the folder browser of Backup/Restore requires.
    const auto singleThreaded = [] {
        APTTYPE type{};
        APTTYPEQUALIFIER qualifier{};
        return CoGetApartmentType(&type, &qualifier) == S_OK && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
    };
    {
        Driver driver;
        // Wine joins one for the thread's windows by itself and leaves it with the last window.
        DestroyWindow(App.frame);
        EXPECT_TRUE(singleThreaded());
    }
    EXPECT_FALSE(singleThreaded());
}

TEST(MainFrame, FirstStartShowsTheEmptyFrameTogglesStatsAndTakesCtrlCThroughTheLoop) {
    Driver driver;
    EXPECT_EQ(Width(App.frame), 640);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist");
    EXPECT_FALSE(IsWindowVisible(App.transactionList) || IsWindowVisible(App.statsPanel));
    std::vector<int> enabled;
    for (int command = IDM_FIRST_COMMAND; command <= IDM_LAST_COMMAND; ++command)
        if (MenuEnabled(command)) enabled.push_back(command);
    EXPECT_EQ(enabled, (std::vector<int>{IDM_NEW_FILE, IDM_OPEN, IDM_CLOSE, IDM_CALCULATOR, IDM_OPTIONS,
                                         IDM_HELP_CONTENTS, IDM_GETTING_STARTED, IDM_ABOUT}));
    EXPECT_FALSE(ButtonEnabled(IDM_ACCOUNTS));

    RECT client;
    GetClientRect(App.frame, &client);
    const int statsWidth = Width(App.statsPanel);
    ASSERT_GT(statsWidth, 100);
    HMENU tools = GetSubMenu(GetMenu(App.frame), 2);
    for (const bool shown : {true, false}) {
        driver.Command(IDM_SHOW_STATS);
        EXPECT_EQ(IsWindowVisible(App.statsPanel) != 0, shown);
        EXPECT_EQ(Program.ShowStats, shown ? 1 : 0);
        EXPECT_EQ(Width(App.transactionList), client.right - (shown ? statsWidth : 0));
        SendMessageA(App.frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 2);
        EXPECT_EQ((GetMenuState(tools, IDM_SHOW_STATS, MF_BYCOMMAND) & MF_CHECKED) != 0, shown);
    }

    // Wine ships no calculator, so the shell reports failure.
    std::string message;
    driver.OnModal(AnswerMessage(message));
    driver.PressKey('C', {VK_CONTROL});
    EXPECT_EQ(message, "Error starting calculator.");
    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    EXPECT_EQ(App.frame, nullptr);
}

TEST(Settings, ASecondStartComesBackAsTheFirstWasSavedAndUnusableValuesAreSkipped) {
    const int widths[kTransactionListColumnCount] = {40, 90, 60, 110, 120, 70, 200, 95};
    const auto values = [] { return std::tuple(Program.SortDate, Program.DateFormat, int(Program.ShowStats)); };
    WINDOWPLACEMENT placement{sizeof placement, 0, 0, {}, {}, {}};
    {
        Driver driver;
        // Away from where a new frame opens, so that the restored place shows.
        SetWindowPos(App.frame, nullptr, 120, 90, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        for (int column = 0; column < kTransactionListColumnCount; ++column)
            ListView_SetColumnWidth(App.transactionList, column, widths[column]);
        Program.SortDate = kSortDescending;
        Program.DateFormat = 1;
        Program.ShowStats = 0;
        Program.currentFile = "C:\\money\\home.pwf";
        ShowWindow(App.frame, SW_MAXIMIZE);
        GetWindowPlacement(App.frame, &placement);
        ASSERT_TRUE(SaveSettings());
    }
    {
        // Start-up loads the settings (and forgets a last file it cannot open): read them again.
        Driver driver("", Driver::Settings::Kept);
        EXPECT_TRUE(LoadSettings());
        EXPECT_EQ(Program.currentFile, "C:\\money\\home.pwf");
        for (int column = 0; column < kTransactionListColumnCount; ++column)
            EXPECT_EQ(ListView_GetColumnWidth(App.transactionList, column), widths[column]) << column;
        EXPECT_EQ(values(), std::tuple(kSortDescending, 1, 0));
        EXPECT_TRUE(IsZoomed(App.frame));
        ShowWindow(App.frame, SW_RESTORE);
        RECT frame;
        GetWindowRect(App.frame, &frame);
        EXPECT_TRUE(EqualRect(&frame, &placement.rcNormalPosition));

        // Values that cannot be used as stored leave their settings as they were.
        StoreDword("DateFormat", 0);
        StoreDword("ShowStats", 1);              // a DWORD where one byte belongs
        StoreDword("Column3Width", 0x00010064);  // only the low 16 bits count
        StoreDword("SortDate", 0xFFFFFFFF);      // an order the list does not know: unsorted
        const std::string tooLong = "C:\\" + std::string(257, 'y');  // one more than a path holds
        Store("LastFile", REG_SZ, tooLong.c_str(), tooLong.size() + 1);
        EXPECT_TRUE(LoadSettings());
        EXPECT_EQ(values(), std::tuple(kSortUnsorted, 0, 0));
        EXPECT_EQ(ListView_GetColumnWidth(App.transactionList, 2), 100);
        EXPECT_EQ(Program.currentFile, "C:\\money\\home.pwf");
    }
    // A placement too short to use: the frame still shows, as a new one.
    Store("WindowPlacement", REG_BINARY, "\x2C\0", 3);
    Driver driver("", Driver::Settings::Kept);
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsZoomed(App.frame));
}

TEST(Settings, HelpFolderIsTheProgramFolderUnlessTheMachineNamesOne) {
    // Wine's user may write the machine's keys.
    constexpr char kMachineKey[] = "Software\\Orvanel Software\\Pennywhist";
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kMachineKey, "Path");
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    Driver driver;
    EXPECT_EQ(Program.HelpFolder, std::string(exe).substr(0, std::string(exe).find_last_of('\\')));
    const char help[] = "C:\\Program Files\\Pennywhist Help";
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMachineKey, "Path", REG_SZ, help, sizeof help), ERROR_SUCCESS);
    EXPECT_FALSE(LoadSettings());  // the help folder comes before the per-user settings
    EXPECT_EQ(Program.HelpFolder, help);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kMachineKey, "Path");
}

TEST_F(TransactionList, RowsStatsSortingRowCommandsAndThePopupMenu) {
    EXPECT_TRUE(MenuEnabled(IDM_DELETE_TRANSACTION) && ButtonEnabled(IDM_DELETE_TRANSACTION));
    EXPECT_EQ(ListRow(App.transactionList, 1),
              (Texts{"101", "03/14/2026", "Withdrawal", "45.50", "Corner Market", "Groceries", "", "954.50"}));
    EXPECT_EQ(Stat(IDC_STAT_VALUE1), "1084.50");

    // The popup menu opens from the keyboard at the list's corner.
    RECT menu{};
    driver.OnModal([&](ModalWindow& popup) {
        GetWindowRect(popup.Handle(), &menu);
        EndMenu();
    });
    SendMessageA(App.frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(App.transactionList), MAKELPARAM(-1, -1));
    POINT corner{0, 0};
    ClientToScreen(App.transactionList, &corner);
    EXPECT_EQ(std::pair(menu.left, menu.top), std::pair(corner.x, corner.y));
    EXPECT_EQ(GetMenuState(App.listPopup.Get(), IDM_DELETE_TRANSACTION, MF_BYCOMMAND) & MF_GRAYED, 0u);

    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = {App.transactionList, 0, UINT(NM_CUSTOMDRAW)};
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(draw.clrTextBk, RGB(233, 236, 239));

    // The Date header cycles ascending, descending, unsorted; other headers do not sort.
    EXPECT_EQ(DateHeaderImage(), nullptr);
    const std::tuple<int, HBITMAP, Texts> steps[] = {
        {kSortAscending, App.sortAscendingImage.Get(), {"", "City Power", "Corner Market", "Acme Payroll"}},
        {kSortDescending, App.sortDescendingImage.Get(), {"Acme Payroll", "Corner Market", "City Power", ""}},
        {kSortUnsorted, nullptr, {"", "Corner Market", "City Power", "Acme Payroll"}},
    };
    for (const auto& [sort, image, payees] : steps) {
        Notify(LVN_COLUMNCLICK, ColumnDate);
        EXPECT_EQ(Program.SortDate, sort);
        EXPECT_EQ(DateHeaderImage(), image) << sort;
        EXPECT_EQ(ColumnTexts(App.transactionList, ColumnPayee), payees) << sort;
    }
    Notify(LVN_COLUMNCLICK, ColumnAmount);
    EXPECT_EQ(Program.SortDate, kSortUnsorted);

    // Delete asks, then removes the transaction the sorted row shows.
    Notify(LVN_COLUMNCLICK, ColumnDate);  // ascending: row 1 is "City Power", stored third
    std::string question;
    for (const int answer : {IDNO, IDYES}) {
        SelectListRow(App.transactionList, 1);
        driver.Command(IDM_DELETE_TRANSACTION, {AnswerMessage(question, answer)});
    }
    EXPECT_EQ(question, "Are you sure you want to delete the selected transaction?");
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnPayee), (Texts{"", "Corner Market", "Acme Payroll"}));
    EXPECT_EQ(Stat(IDC_STAT_VALUE1), "1204.50");

    // Ctrl+Z brings it back, selected; Ctrl+Y deletes it again; the Edit menu names the step.
    const auto item = [](int command) {
        char text[64] = {};
        GetMenuStringA(GetMenu(App.frame), command, text, sizeof text, MF_BYCOMMAND);
        return std::string(text);
    };
    EXPECT_EQ(item(IDM_UNDO), "&Undo Delete Transaction\tCtrl+Z");
    driver.PressKey('Z', {VK_CONTROL});
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnPayee), (Texts{"", "City Power", "Corner Market", "Acme Payroll"}));
    EXPECT_EQ(ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED), 1);
    EXPECT_EQ(Stat(IDC_STAT_VALUE1), "1084.50");
    EXPECT_EQ(std::pair(item(IDM_UNDO), item(IDM_REDO)), std::pair(std::string("&Undo\tCtrl+Z"), std::string("&Redo Delete Transaction\tCtrl+Y")));
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    driver.PressKey('Y', {VK_CONTROL});
    EXPECT_EQ(ColumnTexts(App.transactionList, ColumnPayee), (Texts{"", "Corner Market", "Acme Payroll"}));
    EXPECT_FALSE(MenuEnabled(IDM_REDO));

    // Without a selection, Edit and Delete, a double-click and Enter say so.
    SelectListRow(App.transactionList, -1);
    const std::function<void()> tries[] = {[&] { driver.Command(IDM_EDIT_TRANSACTION); },
                                           [&] { driver.Command(IDM_DELETE_TRANSACTION); },
                                           [] { Notify(NM_DBLCLK); }, [] { Notify(NM_RETURN); }};
    for (const auto& command : tries) {
        std::string message;
        driver.OnModal(AnswerMessage(message));
        command();
        EXPECT_EQ(message, "No transaction is selected.");
    }

    SelectAccount(-1);
    EXPECT_FALSE(IsWindowVisible(App.transactionList));
    EXPECT_EQ(Stat(IDC_STAT_LABEL1), "NONE");
}
