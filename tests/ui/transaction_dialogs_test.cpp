// New Transaction and Edit Transaction on the sample's Bank account: what they
// open with, a refused amount, what OK, "Add more..." and Help do, and the
// list afterwards. The rules themselves are unit-tested natively.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/program.h"
#include "dialog_checks.h"
#include "driver.h"
#include "model/dates.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

constexpr Date kToday{2026, 3, 20};

std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < kColumnCount; ++column) cells.push_back(ListCell(App.transactionList, row, column));
    return cells;
}

void ExpectAmountRefused(Driver& driver, ModalWindow& dialog, int button) {
    dialog.SetText(IDC_TRANSACTION_AMOUNT, "12$");
    ExpectRefusal(driver, dialog, button, "Enter a valid amount (numbers, commas, periods and no other symbols).",
                  IDC_TRANSACTION_AMOUNT);
}

// The sample file opened with the Bank account "Checking" current; help requests recorded.
class TransactionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        SetToday(kToday);
        driver_ = std::make_unique<Driver>(OpenSample("transactions.pwf").c_str(), Driver::Settings::Fresh,
                                           std::vector{CloseAccounts()});
        SelectAccount(0);
    }
    void TearDown() override {
        driver_.reset();
        SetToday(std::nullopt);
    }
    void ExpectHelpAsked() {
        EXPECT_EQ(help_.Take(),
                  (std::vector<HelpRecorder::Request>{{Program.HelpFolder + "\\pwhelp.hlp", HELP_CONTEXT, 6}}));
    }

    Account& Checking() { return Program.document.GetAccount(0); }
    std::unique_ptr<Driver> driver_;
    HelpRecorder help_;
};

}  // namespace

TEST_F(TransactionDialogs, NewTransactionOpensPresetAndAddsARow) {
    driver_->OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Transaction");
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_SECOND_KIND), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_NUMBER), "1");  // the last stored is the paycheck, number 0
        dialog.Click(IDC_HELP_BUTTON);
        ExpectAmountRefused(*driver_, dialog, IDOK);
        EXPECT_EQ(Checking().TransactionCount(), 4);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "84.50");
        SendMessageA(GetDlgItem(dialog.Handle(), IDC_TRANSACTION_CATEGORY), CB_SETCURSEL, 2, 0);
        dialog.SetText(IDC_TRANSACTION_NUMBER, "103");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Corner Market");
        dialog.SetText(IDC_TRANSACTION_MEMO, "Weekly");
        dialog.Click(IDOK);
    });
    driver_->Command(IDM_NEW_TRANSACTION);
    ExpectHelpAsked();
    ASSERT_EQ(ListRowCount(App.transactionList), 5);
    EXPECT_EQ(Row(4), (std::vector<std::string>{"103", "03/20/2026", "Withdrawal", "84.50", "Corner Market",
                                                 "Groceries", "Weekly", "1000.00"}));
}

TEST_F(TransactionDialogs, AddMoreAddsThenOpensAFreshDialogAfterTheRefresh) {
    driver_->OnModal([&](ModalWindow& dialog) {
        ExpectAmountRefused(*driver_, dialog, IDC_ADD_MORE);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "5");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Nobody");
        driver_->OnModal([&](ModalWindow& next) {
            EXPECT_EQ(ListRowCount(App.transactionList), 5);  // the frame refreshed first
            EXPECT_EQ(next.Text(IDC_TRANSACTION_NUMBER), "2");
            EXPECT_EQ(next.Text(IDC_TRANSACTION_AMOUNT) + next.Text(IDC_TRANSACTION_PAYEE), "");
            next.Click(IDCANCEL);
        });
        dialog.Click(IDC_ADD_MORE);
    });
    driver_->Command(IDM_NEW_TRANSACTION);
    ASSERT_EQ(Checking().TransactionCount(), 5);
    EXPECT_EQ(Checking().GetTransaction(4).payee, Text31("Nobody"));
}

TEST_F(TransactionDialogs, EditChangesTheTransactionTheSortedRowShowsInPlace) {
    Program.SortDate = kSortAscending;
    RefreshTransactionViews();
    SelectListRow(App.transactionList, 1);  // City Power, stored third
    driver_->OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Edit Transaction");
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_AMOUNT), "120.00");
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "130");
        dialog.Click(IDC_HELP_BUTTON);
        dialog.Click(IDOK);
    });
    driver_->Command(IDM_EDIT_TRANSACTION);
    ExpectHelpAsked();
    EXPECT_EQ(Checking().GetTransaction(2).amount, 130.0);
    EXPECT_EQ(Checking().GetTransaction(1).amount, 45.5);
    // Second by date, it keeps its storage place in the running total.
    EXPECT_EQ(Row(1), (std::vector<std::string>{"102", "02/01/2026", "Withdrawal", "130.00", "City Power", "Bills",
                                                 "", "824.50"}));
}
