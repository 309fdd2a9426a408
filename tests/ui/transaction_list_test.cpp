// The transaction list of the current account: rows, sorting by date, the
// row commands, the popup menu, and the stats panel beside it.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/program.h"
#include "driver.h"
#include "model/dates.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

std::vector<std::string> Column(int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < ListRowCount(App.transactionList); ++row)
        cells.push_back(ListCell(App.transactionList, row, column));
    return cells;
}

void ClickHeader(int column) {
    NMLISTVIEW click{};
    click.hdr.hwndFrom = App.transactionList;
    click.hdr.idFrom = GetDlgCtrlID(App.transactionList);
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = column;
    SendMessageA(App.frame, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

HBITMAP DateHeaderImage() {
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    SendMessageA(ListView_GetHeader(App.transactionList), HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    return (item.fmt & HDF_BITMAP) != 0 ? item.hbm : nullptr;
}

std::string ColumnTitle(int column) {
    char title[32] = {};
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = title;
    info.cchTextMax = sizeof title;
    SendMessageA(App.transactionList, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
    return title;
}

std::string StatsText(int control) { return WindowText(GetDlgItem(App.statsPanel, control)); }

}  // namespace

TEST(TransactionList, AnAccountShowsItsRowsRunningTotalAndStats) {
    SetToday(Date{2026, 3, 20});
    Driver driver(OpenSample("rows.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - rows (Checking)");
    EXPECT_TRUE(IsWindowVisible(App.transactionList));
    for (int command = IDM_FIRST_COMMAND; command <= IDM_LAST_COMMAND; ++command)
        EXPECT_EQ(GetMenuState(GetMenu(App.frame), command, MF_BYCOMMAND) & MF_GRAYED, 0u) << command;
    for (int command : {IDM_NEW_TRANSACTION, IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION, IDM_ACCOUNTS,
                        IDM_BILLS_DEPOSITS, IDM_CATEGORIES})
        EXPECT_TRUE(SendMessageA(App.toolbar, TB_ISBUTTONENABLED, command, 0)) << command;
    for (int command : {IDM_NEW_TRANSACTION, IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION})
        EXPECT_EQ(GetMenuState(App.listPopup.Get(), command, MF_BYCOMMAND), UINT(MF_ENABLED)) << command;
    EXPECT_EQ(ColumnTitle(7), "Balance");
    ASSERT_EQ(ListRowCount(App.transactionList), 4);
    const std::vector<std::string> second = {"101",        "03/14/2026",  "Withdrawal", "45.50",
                                             "Corner Market", "Groceries", "",          "954.50"};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(ListCell(App.transactionList, 1, column), second[column]) << column;
    EXPECT_EQ(Column(7), (std::vector<std::string>{"1000.00", "954.50", "834.50", "1084.50"}));

    EXPECT_EQ(StatsText(IDC_TODAYS_DATE), "03/20/2026");
    EXPECT_EQ(StatsText(IDC_STAT_LABEL1), "Balance");
    EXPECT_EQ(StatsText(IDC_STAT_VALUE1), "1084.50");
    EXPECT_EQ(StatsText(IDC_STAT_VALUE2), "1250.00");
    EXPECT_EQ(StatsText(IDC_STAT_VALUE3), "165.50");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(App.statsPanel, IDC_STAT_COLON4)));

    SelectAccount(1);
    EXPECT_EQ(ColumnTitle(7), "Left");
    EXPECT_EQ(Column(2), std::vector<std::string>{"Receive"});
    EXPECT_EQ(StatsText(IDC_STAT_LABEL1), "Left");

    SelectAccount(-1);
    EXPECT_FALSE(IsWindowVisible(App.transactionList));
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - rows");
    EXPECT_EQ(StatsText(IDC_STAT_LABEL1), "NONE");
    SetToday(std::nullopt);
}

TEST(TransactionList, DateHeaderCyclesAscendingDescendingUnsorted) {
    Driver driver(OpenSample("sorting.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    EXPECT_EQ(DateHeaderImage(), nullptr);
    const std::vector<std::string> stored = {"01/02/2026", "03/14/2026", "02/01/2026", "03/14/2026"};
    EXPECT_EQ(Column(1), stored);

    ClickHeader(1);
    EXPECT_EQ(Program.SortDate, 0);
    EXPECT_EQ(DateHeaderImage(), App.sortAscendingImage.Get());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"01/02/2026", "02/01/2026", "03/14/2026", "03/14/2026"}));
    EXPECT_EQ(Column(4), (std::vector<std::string>{"", "City Power", "Corner Market", "Acme Payroll"}));

    ClickHeader(1);
    EXPECT_EQ(Program.SortDate, 1);
    EXPECT_EQ(DateHeaderImage(), App.sortDescendingImage.Get());
    // Same date: the one entered later stands above.
    EXPECT_EQ(Column(4), (std::vector<std::string>{"Acme Payroll", "Corner Market", "City Power", ""}));
    // Totals stay those of storage order.
    EXPECT_EQ(Column(7), (std::vector<std::string>{"1084.50", "954.50", "834.50", "1000.00"}));

    ClickHeader(1);
    EXPECT_EQ(Program.SortDate, 2);
    EXPECT_EQ(DateHeaderImage(), nullptr);
    EXPECT_EQ(Column(1), stored);

    ClickHeader(3);  // other columns do not sort
    EXPECT_EQ(Program.SortDate, 2);
}

TEST(TransactionList, DeleteAsksAndRemovesTheSelectedRowsTransactionAfterASort) {
    Driver driver(OpenSample("delete.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    ClickHeader(1);  // ascending: row 1 is "City Power", stored third
    SelectListRow(App.transactionList, 1);

    std::string question;
    driver.OnModal([&](ModalWindow& box) {
        question = box.MessageText();
        box.Click(IDNO);
    });
    driver.Command(IDM_DELETE_TRANSACTION);
    EXPECT_EQ(question, "Are you sure you want to delete the selected transaction?");
    EXPECT_EQ(Program.document.GetAccount(0).TransactionCount(), 4);

    SelectListRow(App.transactionList, 1);
    driver.OnModal([](ModalWindow& box) { box.Click(IDYES); });
    driver.Command(IDM_DELETE_TRANSACTION);
    const Account& account = Program.document.GetAccount(0);
    ASSERT_EQ(account.TransactionCount(), 3);
    for (const Transaction& t : account.transactions) EXPECT_STRNE(t.payee.c_str(), "City Power");
    EXPECT_EQ(Column(4), (std::vector<std::string>{"", "Corner Market", "Acme Payroll"}));
    EXPECT_EQ(WindowText(GetDlgItem(App.statsPanel, IDC_STAT_VALUE1)), "1204.50");
}

TEST(TransactionList, EditAndDeleteWithoutASelectionSayNoTransactionIsSelected) {
    Driver driver(OpenSample("noselection.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    SelectListRow(App.transactionList, -1);
    for (int command : {IDM_EDIT_TRANSACTION, IDM_DELETE_TRANSACTION}) {
        std::string message;
        driver.OnModal([&](ModalWindow& box) {
            message = box.MessageText();
            box.Click(IDOK);
        });
        driver.Command(command);
        EXPECT_EQ(message, "No transaction is selected.") << command;
    }
    // A double-click on the list is Edit Transaction.
    std::string message;
    driver.OnModal([&](ModalWindow& box) {
        message = box.MessageText();
        box.Click(IDOK);
    });
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = App.transactionList;
    click.hdr.code = NM_DBLCLK;
    click.iItem = -1;
    SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(message, "No transaction is selected.");

    // With a row selected, Edit takes the transaction the row shows.
    ClickHeader(1);
    ClickHeader(1);  // descending
    SelectListRow(App.transactionList, 0);
    std::string title;
    driver.OnModal([&](ModalWindow& dialog) {
        title = dialog.Title();
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_EDIT_TRANSACTION);
    EXPECT_EQ(title, "Edit Transaction");
    EXPECT_EQ(Program.SelectedTransactionIndex, 3);
}

TEST(TransactionList, PopupMenuOpensFromTheKeyboardAtTheListCorner) {
    Driver driver(OpenSample("popup.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    RECT menu{};
    driver.OnModal([&](ModalWindow& popup) {
        GetWindowRect(popup.Handle(), &menu);
        EndMenu();
    });
    SendMessageA(App.frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(App.transactionList), MAKELPARAM(-1, -1));
    POINT corner{0, 0};
    ClientToScreen(App.transactionList, &corner);
    EXPECT_EQ(menu.left, corner.x);
    EXPECT_EQ(menu.top, corner.y);
    const UINT state = GetMenuState(App.listPopup.Get(), IDM_DELETE_TRANSACTION, MF_BYCOMMAND);
    EXPECT_EQ(state & MF_GRAYED, 0u);
}

TEST(TransactionList, RowsAreShadedAlternatelyFromTheTop) {
    Driver driver(OpenSample("colours.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = App.transactionList;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw)), CDRF_NOTIFYITEMDRAW);
    for (int row = 0; row < 4; ++row) {
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = row;
        SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&draw));
        EXPECT_EQ(draw.clrText, RGB(0, 0, 0));
        EXPECT_EQ(draw.clrTextBk, row % 2 == 0 ? RGB(233, 236, 239) : RGB(255, 255, 255)) << row;
    }
}

TEST(TransactionList, EnterAndTheMouseMenuWorkOnTheList) {
    Driver driver(OpenSample("mouse.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    // Inside the list the menu opens where the mouse is; outside, it does not open.
    POINT inside{20, 30};
    ClientToScreen(App.transactionList, &inside);
    RECT menu{};
    driver.OnModal([&](ModalWindow& popup) {
        GetWindowRect(popup.Handle(), &menu);
        EndMenu();
    });
    SendMessageA(App.frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(App.transactionList),
                 MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(menu.left, inside.x);
    EXPECT_EQ(menu.top, inside.y);

    RECT list;
    GetWindowRect(App.transactionList, &list);
    SendMessageA(App.frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(App.transactionList),
                 MAKELPARAM(list.right + 50, list.top));
    EXPECT_EQ(driver.PendingActions(), 0u);

    SelectListRow(App.transactionList, 2);
    NMHDR enter{App.transactionList, 0, UINT(NM_RETURN)};
    driver.OnModal([](ModalWindow& dialog) { dialog.Click(IDCANCEL); });
    SendMessageA(App.frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&enter));
    EXPECT_EQ(Program.SelectedTransactionIndex, 2);
}
