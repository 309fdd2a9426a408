// The main frame on a first start: window, menus, toolbar, accelerators,
// the stats panel, the list's columns, and the commands that work without a file.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "shell/program.h"
#include "driver.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "views/transaction_list.h"

namespace {

// A menu as an outline: each item's label indented by its depth ("-" for a
// separator) with its command (0 for a submenu or a separator).
using MenuItem = std::pair<std::string, int>;

void Outline(HMENU menu, const std::string& indent, std::vector<MenuItem>& items) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char label[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = label;
        info.cch = sizeof label;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            items.push_back({indent + "-", 0});
        } else if (info.hSubMenu != nullptr) {
            items.push_back({indent + label, 0});
            Outline(info.hSubMenu, indent + "  ", items);
        } else {
            items.push_back({indent + label, int(info.wID)});
        }
    }
}

RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

int Width(HWND window) { return WindowRect(window).right - WindowRect(window).left; }

}  // namespace

TEST(MainFrame, FirstStartShowsTheEmptyFrameWithOnlyTheFileLessCommands) {
    Driver driver;
    ASSERT_TRUE(driver.Started());
    const RECT frame = WindowRect(App.frame);
    EXPECT_EQ(frame.right - frame.left, 640);
    EXPECT_EQ(frame.bottom - frame.top, 480);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist");
    EXPECT_TRUE(IsWindowVisible(App.frame));
    EXPECT_FALSE(IsWindowVisible(App.transactionList));
    EXPECT_FALSE(IsWindowVisible(App.statsPanel));

    std::vector<int> enabled;
    for (int command = IDM_FIRST_COMMAND; command <= IDM_LAST_COMMAND; ++command) {
        const UINT state = GetMenuState(GetMenu(App.frame), command, MF_BYCOMMAND);
        ASSERT_NE(state, UINT(-1)) << command << " is missing from the menu";
        if ((state & MF_GRAYED) == 0) enabled.push_back(command);
    }
    EXPECT_EQ(enabled, (std::vector<int>{IDM_NEW_FILE, IDM_OPEN, IDM_CLOSE, IDM_CALCULATOR, IDM_OPTIONS,
                                         IDM_HELP_CONTENTS, IDM_GETTING_STARTED, IDM_ABOUT}));
}

TEST(MainFrame, MenusHoldTheirItemsInOrder) {
    Driver driver;
    std::vector<MenuItem> items;
    Outline(GetMenu(App.frame), "", items);
    const std::vector<MenuItem> expected = {
        {"&File", 0}, {"  &New", 0}, {"    New &Account...", IDM_NEW_ACCOUNT}, {"    New &File...", IDM_NEW_FILE},
        {"  &Open...", IDM_OPEN}, {"  &Save\tCtrl+S", IDM_SAVE}, {"  Save &As...", IDM_SAVE_AS}, {"  -", 0},
        {"  Pass&word...", IDM_PASSWORD}, {"  -", 0}, {"  &Print...\tCtrl+P", IDM_PRINT}, {"  -", 0},
        {"  &Import...", IDM_IMPORT}, {"  -", 0}, {"  Backup/Restore", IDM_BACKUP_RESTORE}, {"  -", 0},
        {"  &Close\tAlt+F4", IDM_CLOSE},
        {"&Edit", 0}, {"  &New Transaction...\tCtrl+N", IDM_NEW_TRANSACTION},
        {"  &Edit Transaction...\tEnter", IDM_EDIT_TRANSACTION},
        {"  &Delete Transaction\tDel", IDM_DELETE_TRANSACTION},
        {"  -", 0}, {"  &Find Transaction...\tCtrl+F", IDM_FIND_TRANSACTION},
        {"&Tools", 0}, {"  &Accounts...\tCtrl+A", IDM_ACCOUNTS},
        {"  &Bills && Deposits...\tCtrl+B", IDM_BILLS_DEPOSITS},
        {"  &Categories...", IDM_CATEGORIES}, {"  -", 0}, {"  Calcula&tor...\tCtrl+C", IDM_CALCULATOR}, {"  -", 0},
        {"  &Options...", IDM_OPTIONS}, {"  -", 0}, {"  &Show Stats", IDM_SHOW_STATS},
        {"&Summary", 0}, {"  By &Category...", IDM_SUMMARY_BY_CATEGORY}, {"  By &Month...", IDM_SUMMARY_BY_MONTH},
        {"&Help", 0}, {"  &Contents...\tF1", IDM_HELP_CONTENTS}, {"  -", 0},
        {"  &Getting Started...", IDM_GETTING_STARTED}, {"  -", 0}, {"  &About Pennywhist...", IDM_ABOUT},
    };
    EXPECT_EQ(items, expected);
}

TEST(MainFrame, ToolbarButtonsAreDisabledWithTheirTextsAndTooltips) {
    Driver driver;
    const struct {
        int command;
        const char* text;
        const char* tooltip;
    } buttons[] = {
        {IDM_NEW_TRANSACTION, "New", "Add a new transaction"},
        {IDM_EDIT_TRANSACTION, "Edit", "Edit selected transaction"},
        {IDM_DELETE_TRANSACTION, "Delete", "Delete selected transaction"},
        {0, nullptr, nullptr},  // a separator
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
        EXPECT_FALSE(button.fsState & TBSTATE_ENABLED) << i;  // until a file is open
        char text[64] = {};
        SendMessageA(App.toolbar, TB_GETBUTTONTEXTA, buttons[i].command, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, buttons[i].text);

        NMTTDISPINFOA request{};
        request.hdr = {App.toolbar, UINT_PTR(buttons[i].command), TTN_GETDISPINFOA};
        SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_STREQ(request.lpszText, buttons[i].tooltip);
    }
}

namespace {

// Records the commands an accelerator table sends to a window.
std::vector<int> recordedCommands;
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) recordedCommands.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TEST(MainFrame, AcceleratorsProduceTheirCommands) {
    Driver driver;
    ASSERT_TRUE(App.accelerators);
    // A window without a menu: the frame's grey items would swallow their keys.
    HWND recorder = CreateWindowA("Static", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(recorder, nullptr);
    SetWindowLongPtrA(recorder, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands));

    const struct {
        UINT key;
        bool control;
        int command;  // 0 for none
    } keys[] = {{'A', true, IDM_ACCOUNTS},        {'B', true, IDM_BILLS_DEPOSITS},
                {'C', true, IDM_CALCULATOR},      {'F', true, IDM_FIND_TRANSACTION},
                {'N', true, IDM_NEW_TRANSACTION}, {'S', true, IDM_SAVE},
                {VK_DELETE, false, IDM_DELETE_TRANSACTION}, {VK_F1, false, IDM_HELP_CONTENTS},
                {'P', true, 0},  // the menu shows Ctrl+P, but no key is bound to Print
                {'N', false, 0}};
    for (const auto& key : keys) {
        BYTE state[256] = {};
        if (key.control) state[VK_CONTROL] = 0x80;
        SetKeyboardState(state);
        recordedCommands.clear();
        MSG message{recorder, WM_KEYDOWN, key.key, 1, 0, {}};
        TranslateAcceleratorA(recorder, App.accelerators.Get(), &message);
        EXPECT_EQ(recordedCommands, key.command ? std::vector<int>{key.command} : std::vector<int>{}) << key.key;
    }
    BYTE released[256] = {};
    SetKeyboardState(released);
    DestroyWindow(recorder);
}

TEST(MainFrame, CtrlCThroughTheLoopAndCloseEndingWithZero) {
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

    PostMessageA(App.frame, WM_COMMAND, IDM_CLOSE, 0);
    EXPECT_EQ(driver.RunToEnd(), 0);
    EXPECT_EQ(App.frame, nullptr);
}

TEST(MainFrame, ShowStatsTogglesThePanelAndTheListWidth) {
    Driver driver;
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
        POINT corner{WindowRect(App.statsPanel).left, 0};
        ScreenToClient(App.frame, &corner);
        EXPECT_EQ(corner.x, client.right - statsWidth);
        SendMessageA(App.frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(tools), 2);
        EXPECT_EQ((GetMenuState(tools, IDM_SHOW_STATS, MF_BYCOMMAND) & MF_CHECKED) != 0, shown);
    }
}

TEST(MainFrame, ListHasItsEightColumnsAndNineByNineSortImages) {
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
