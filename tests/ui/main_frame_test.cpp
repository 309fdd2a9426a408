// The main frame on a first start: window, menus, toolbar, accelerators,
// the stats panel, and the commands that work without a file.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "driver.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "views/transaction_list.h"

namespace {

struct MenuEntry {
    std::string label;  // empty for a separator
    int command;        // 0 for a submenu or a separator
    bool enabled;
};

std::vector<MenuEntry> Entries(HMENU menu) {
    std::vector<MenuEntry> entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char label[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = label;
        info.cch = sizeof label;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        entries.push_back({separator ? "" : label, info.hSubMenu != nullptr || separator ? 0 : int(info.wID),
                           separator || (info.fState & MFS_GRAYED) == 0});  // separators have no state
    }
    return entries;
}

bool operator==(const MenuEntry& a, const MenuEntry& b) {
    return a.label == b.label && a.command == b.command && a.enabled == b.enabled;
}

std::ostream& operator<<(std::ostream& out, const MenuEntry& e) {
    return out << "{\"" << e.label << "\", " << e.command << (e.enabled ? ", enabled}" : ", grey}");
}

RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

bool ButtonEnabled(int command) { return SendMessageA(App.toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }

}  // namespace

TEST(MainFrame, FirstStartShowsTheEmptyFrame) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const RECT frame = WindowRect(App.frame);
    EXPECT_EQ(frame.right - frame.left, 640);
    EXPECT_EQ(frame.bottom - frame.top, 480);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist");
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsWindowVisible(App.transactionList));
    EXPECT_FALSE(IsWindowVisible(App.statsPanel));
    EXPECT_EQ(Program.SortDate, 2);
    for (int command : {IDM_NEW_TRANSACTION, IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION, IDM_ACCOUNTS,
                        IDM_BILLS_DEPOSITS, IDM_CATEGORIES})
        EXPECT_FALSE(ButtonEnabled(command)) << command;

    // Only the commands that need no file are enabled.
    HMENU menu = GetMenu(App.frame);
    std::vector<int> enabled;
    for (int command = IDM_FIRST_COMMAND; command <= IDM_LAST_COMMAND; ++command) {
        const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
        ASSERT_NE(state, UINT(-1)) << command << " is missing from the menu";
        if ((state & MF_GRAYED) == 0) enabled.push_back(command);
    }
    EXPECT_EQ(enabled, (std::vector<int>{IDM_NEW_FILE, IDM_OPEN, IDM_CLOSE, IDM_CALCULATOR, IDM_OPTIONS,
                                         IDM_HELP_CONTENTS, IDM_GETTING_STARTED, IDM_ABOUT}));

    // The list's popup starts grey like the Edit menu.
    const std::vector<MenuEntry> popup = Entries(App.listPopup.Get());
    EXPECT_EQ(popup, (std::vector<MenuEntry>{{"&New Transaction...", IDM_NEW_TRANSACTION, false},
                                             {"&Edit Transaction...", IDM_EDIT_TRANSACTION, false},
                                             {"&Delete Transaction", IDM_DELETE_TRANSACTION, false}}));
}

TEST(MainFrame, MenusHoldTheirItemsInOrder) {
    Driver driver;
    HMENU bar = GetMenu(App.frame);
    const std::vector<MenuEntry> top = Entries(bar);
    ASSERT_EQ(top.size(), 5u);
    EXPECT_EQ(top[0].label, "&File");
    EXPECT_EQ(top[1].label, "&Edit");
    EXPECT_EQ(top[2].label, "&Tools");
    EXPECT_EQ(top[3].label, "&Summary");
    EXPECT_EQ(top[4].label, "&Help");

    const MenuEntry separator{"", 0, true};
    const std::vector<MenuEntry> file = Entries(GetSubMenu(bar, 0));
    EXPECT_EQ(file, (std::vector<MenuEntry>{{"&New", 0, true},
                                            {"&Open...", IDM_OPEN, true},
                                            {"&Save\tCtrl+S", IDM_SAVE, false},
                                            {"Save &As...", IDM_SAVE_AS, false},
                                            separator,
                                            {"Pass&word...", IDM_PASSWORD, false},
                                            separator,
                                            {"&Print...\tCtrl+P", IDM_PRINT, false},
                                            separator,
                                            {"&Import...", IDM_IMPORT, false},
                                            separator,
                                            {"Backup/Restore", IDM_BACKUP_RESTORE, false},
                                            separator,
                                            {"&Close\tAlt+F4", IDM_CLOSE, true}}));
    EXPECT_EQ(Entries(GetSubMenu(GetSubMenu(bar, 0), 0)),
              (std::vector<MenuEntry>{{"New &Account...", IDM_NEW_ACCOUNT, false},
                                      {"New &File...", IDM_NEW_FILE, true}}));
    EXPECT_EQ(Entries(GetSubMenu(bar, 1)),
              (std::vector<MenuEntry>{{"&New Transaction...\tCtrl+N", IDM_NEW_TRANSACTION, false},
                                      {"&Edit Transaction...\tEnter", IDM_EDIT_TRANSACTION, false},
                                      {"&Delete Transaction\tDel", IDM_DELETE_TRANSACTION, false},
                                      separator,
                                      {"&Find Transaction...\tCtrl+F", IDM_FIND_TRANSACTION, false}}));
    EXPECT_EQ(Entries(GetSubMenu(bar, 2)),
              (std::vector<MenuEntry>{{"&Accounts...\tCtrl+A", IDM_ACCOUNTS, false},
                                      {"&Bills && Deposits...\tCtrl+B", IDM_BILLS_DEPOSITS, false},
                                      {"&Categories...", IDM_CATEGORIES, false},
                                      separator,
                                      {"Calcula&tor...\tCtrl+C", IDM_CALCULATOR, true},
                                      separator,
                                      {"&Options...", IDM_OPTIONS, true},
                                      separator,
                                      {"&Show Stats", IDM_SHOW_STATS, false}}));
    EXPECT_EQ(Entries(GetSubMenu(bar, 3)),
              (std::vector<MenuEntry>{{"By &Category...", IDM_SUMMARY_BY_CATEGORY, false},
                                      {"By &Month...", IDM_SUMMARY_BY_MONTH, false}}));
    EXPECT_EQ(Entries(GetSubMenu(bar, 4)), (std::vector<MenuEntry>{{"&Contents...\tF1", IDM_HELP_CONTENTS, true},
                                                                   separator,
                                                                   {"&Getting Started...", IDM_GETTING_STARTED, true},
                                                                   separator,
                                                                   {"&About Pennywhist...", IDM_ABOUT, true}}));
}

TEST(MainFrame, ToolbarButtonsAndTooltips) {
    Driver driver;
    struct Expected {
        int command;
        const char* text;
        const char* tooltip;
    };
    const Expected buttons[] = {
        {IDM_NEW_TRANSACTION, "New", "Add a new transaction"},
        {IDM_EDIT_TRANSACTION, "Edit", "Edit selected transaction"},
        {IDM_DELETE_TRANSACTION, "Delete", "Delete selected transaction"},
        {0, nullptr, nullptr},
        {IDM_ACCOUNTS, "Accounts", "Account list"},
        {IDM_BILLS_DEPOSITS, "Bills && Deposits", "Bills &&& Deposits list"},
        {IDM_CATEGORIES, "Categories", "Category list"},
    };
    ASSERT_EQ(SendMessageA(App.toolbar, TB_BUTTONCOUNT, 0, 0), LRESULT(std::size(buttons)));
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        TBBUTTON button{};
        SendMessageA(App.toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (buttons[i].text == nullptr) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP) << i;
            continue;
        }
        EXPECT_EQ(button.idCommand, buttons[i].command);
        EXPECT_EQ(button.iBitmap, i < 3 ? i : i - 1);
        char text[64] = {};
        SendMessageA(App.toolbar, TB_GETBUTTONTEXTA, buttons[i].command, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, buttons[i].text);

        NMTTDISPINFOA request{};
        request.hdr.hwndFrom = App.toolbar;
        request.hdr.idFrom = buttons[i].command;
        request.hdr.code = TTN_GETDISPINFOA;
        SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        ASSERT_NE(request.lpszText, nullptr);
        EXPECT_STREQ(request.lpszText, buttons[i].tooltip);
    }
}

// A window that records the commands an accelerator table sends it.
struct CommandRecorder {
    static inline std::vector<int> commands;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }
};

TEST(MainFrame, AcceleratorsProduceTheirCommands) {
    Driver driver;
    ASSERT_TRUE(App.accelerators);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CommandRecorder::Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "CommandRecorder";
    RegisterClassA(&windowClass);
    HWND recorder = CreateWindowA("CommandRecorder", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(recorder, nullptr);

    struct Key {
        UINT key;
        bool control;
        int command;
    };
    const Key keys[] = {{'A', true, IDM_ACCOUNTS},        {'B', true, IDM_BILLS_DEPOSITS},
                        {'C', true, IDM_CALCULATOR},      {'F', true, IDM_FIND_TRANSACTION},
                        {'N', true, IDM_NEW_TRANSACTION}, {'S', true, IDM_SAVE},
                        {VK_DELETE, false, IDM_DELETE_TRANSACTION}, {VK_F1, false, IDM_HELP_CONTENTS},
                        {'P', true, 0},  // the menu shows Ctrl+P, but no key is bound to Print
                        {'N', false, 0}};
    for (const Key& key : keys) {
        BYTE state[256] = {};
        if (key.control) state[VK_CONTROL] = 0x80;
        SetKeyboardState(state);
        CommandRecorder::commands.clear();
        MSG message{recorder, WM_KEYDOWN, key.key, 1, 0, {}};
        TranslateAcceleratorA(recorder, App.accelerators.Get(), &message);
        if (key.command == 0)
            EXPECT_TRUE(CommandRecorder::commands.empty()) << key.key;
        else
            EXPECT_EQ(CommandRecorder::commands, std::vector<int>{key.command}) << key.key;
    }
    const BYTE released[256] = {};
    SetKeyboardState(const_cast<BYTE*>(released));
    DestroyWindow(recorder);
    UnregisterClassA("CommandRecorder", GetModuleHandleA(nullptr));
}

TEST(MainFrame, CtrlCStartsTheCalculatorThroughTheLoop) {
    Driver driver;
    // Wine ships no calculator, so the shell reports failure.
    std::string message;
    driver.OnModal([&](ModalWindow& box) {
        EXPECT_EQ(box.Title(), "Pennywhist");
        message = box.MessageText();
        box.Click(IDOK);
    });
    driver.PressKey('C', {VK_CONTROL});
    EXPECT_EQ(message, "Error starting calculator.");
}

TEST(MainFrame, ShowStatsTogglesThePanelAndTheListWidth) {
    Driver driver;
    RECT client;
    GetClientRect(App.frame, &client);
    const int statsWidth = WindowRect(App.statsPanel).right - WindowRect(App.statsPanel).left;
    ASSERT_GT(statsWidth, 100);

    driver.Command(IDM_SHOW_STATS);
    EXPECT_TRUE(IsWindowVisible(App.statsPanel));
    EXPECT_EQ(Program.ShowStats, 1);
    RECT list = WindowRect(App.transactionList);
    EXPECT_EQ(list.right - list.left, client.right - statsWidth);
    RECT stats = WindowRect(App.statsPanel);
    POINT statsCorner{stats.left, stats.top};
    ScreenToClient(App.frame, &statsCorner);
    EXPECT_EQ(statsCorner.x, client.right - statsWidth);
    const RECT toolbar = WindowRect(App.toolbar);
    EXPECT_EQ(statsCorner.y, toolbar.bottom - toolbar.top);

    SendMessageA(App.frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(App.frame), 2)), 2);
    EXPECT_TRUE(GetMenuState(GetMenu(App.frame), IDM_SHOW_STATS, MF_BYCOMMAND) & MF_CHECKED);

    driver.Command(IDM_SHOW_STATS);
    EXPECT_FALSE(IsWindowVisible(App.statsPanel));
    EXPECT_EQ(Program.ShowStats, 0);
    list = WindowRect(App.transactionList);
    EXPECT_EQ(list.right - list.left, client.right);
    SendMessageA(App.frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(App.frame), 2)), 2);
    EXPECT_FALSE(GetMenuState(GetMenu(App.frame), IDM_SHOW_STATS, MF_BYCOMMAND) & MF_CHECKED);
}

TEST(MainFrame, ListHasItsEightColumnsAndTheSortImagesAreNineByNine) {
    Driver driver;
    const char* titles[] = {"#", "Date", "Type", "Amount", "Payee", "Category", "Memo", ""};
    const int widths[] = {50, 75, 75, 75, 85, 85, 85, 75};
    for (int i = 0; i < kColumnCount; ++i) {
        char title[32] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        ASSERT_TRUE(SendMessageA(App.transactionList, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_STREQ(title, titles[i]);
        EXPECT_EQ(column.cx, widths[i]);
    }
    const LONG style = GetWindowLongA(App.transactionList, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    const DWORD extended = ListView_GetExtendedListViewStyle(App.transactionList);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);

    for (HBITMAP image : {App.sortAscendingImage.Get(), App.sortDescendingImage.Get()}) {
        BITMAP info{};
        ASSERT_TRUE(GetObjectA(image, sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 9);
        EXPECT_EQ(info.bmHeight, 9);
    }
    // Unsorted at start: no image on the Date header.
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    SendMessageA(ListView_GetHeader(App.transactionList), HDM_GETITEMA, ColumnDate, reinterpret_cast<LPARAM>(&item));
    EXPECT_FALSE(item.fmt & HDF_BITMAP);
}

TEST(MainFrame, CloseEndsTheProgramWithExitCodeZero) {
    Driver driver;
    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    EXPECT_EQ(App.frame, nullptr);
}
