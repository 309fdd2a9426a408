// The Adjust dialog over a real account and the Find Transaction dialog over
// the real list: what the user sees, what stays open, and what the list shows
// afterwards. The rules themselves are unit-tested natively.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/program.h"
#include "dialogs/adjust_dialog.h"
#include "dialog_checks.h"
#include "driver.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

int SelectedRow() { return ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED); }

// Find Next, expecting a message ("" for none) and then the selected row.
void FindNextExpecting(Driver& driver, ModalWindow& dialog, const std::string& message, int row) {
    std::string shown;
    if (!message.empty()) driver.OnModalNext(AnswerMessage(shown));
    dialog.Click(IDOK);
    EXPECT_EQ(shown, message);
    EXPECT_EQ(SelectedRow(), row) << dialog.Text(IDC_FIND_TEXT);
}

void Choose(ModalWindow& dialog, int radio) { CheckRadioButton(dialog.Handle(), IDC_FIND_UP, IDC_FIND_DOWN, radio); }

constexpr char kDone[] = "Done searching through transactions.";

}  // namespace

TEST(AdjustDialog, TheLastRunningTotalEndsOnTheTarget) {
    Driver driver(OpenSample("adjust.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    Program.SelectedAccountIndex = 0;
    driver.OnModal([](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Text(IDC_BALANCE_LABEL), "Current balance");
        EXPECT_EQ(dialog.Text(IDC_BALANCE), "1084.50");
        dialog.SetText(IDC_BALANCE, "-40");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowAdjustDialog(App.frame), 1);
    RefreshTransactionViews();
    ASSERT_EQ(ListRowCount(App.transactionList), 5);
    EXPECT_EQ(ListCell(App.transactionList, 4, ColumnMemo), "ADJUSTMENT");
    EXPECT_EQ(ListCell(App.transactionList, 4, ColumnTotal), "-40.00");

    // A Budget account: its label, a refused target, then its own figure adds nothing.
    Program.SelectedAccountIndex = 1;
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Text(IDC_BALANCE_LABEL), "Current amount left");
        dialog.SetText(IDC_BALANCE, "12a");
        ExpectRefusal(driver, dialog, IDOK,
                      "Enter a valid amount left (numbers, commas, periods and no other symbols).", IDC_BALANCE);
        dialog.SetText(IDC_BALANCE, "500.00");
        dialog.Click(IDOK);
    });
    EXPECT_EQ(ShowAdjustDialog(App.frame), 2);
    EXPECT_EQ(Program.document.GetAccount(1).TransactionCount(), 1);
}

// Rows in storage order: OPENING BALANCE, Corner Market #101, City Power #102, Acme Payroll.
TEST(FindDialog, FindNextMovesTheSelectionDownAndUpWithoutWrapping) {
    Driver driver(OpenSample("find.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    SelectListRow(App.transactionList, 3);
    driver.OnModal([&](ModalWindow& dialog) {
        dialog.SetText(IDC_FIND_TEXT, "10");  // the numbers 101 and 102
        Choose(dialog, IDC_FIND_UP);
        FindNextExpecting(driver, dialog, kDone, -1);  // opening cleared the selection
        Choose(dialog, IDC_FIND_DOWN);
        FindNextExpecting(driver, dialog, "", 1);
        FindNextExpecting(driver, dialog, "", 2);
        FindNextExpecting(driver, dialog, kDone, 2);

        Choose(dialog, IDC_FIND_UP);
        dialog.SetText(IDC_FIND_TEXT, "ER");  // Corner Market and City Power, case ignored
        FindNextExpecting(driver, dialog, "", 1);
        FindNextExpecting(driver, dialog, kDone, 1);

        Choose(dialog, IDC_FIND_DOWN);
        CheckDlgButton(dialog.Handle(), IDC_MATCH_CASE, BST_CHECKED);
        FindNextExpecting(driver, dialog, kDone, 1);
        dialog.SetText(IDC_FIND_TEXT, "Pay");  // the last row's payee and memo
        FindNextExpecting(driver, dialog, "", 3);
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_FIND_TRANSACTION);
    EXPECT_EQ(SelectedRow(), 3);  // the row found last stays selected
}
