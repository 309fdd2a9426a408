// New Transaction and Edit Transaction on the sample's Bank account: what they
// open with, a refused amount, what OK, "Add more...", Cancel and Help do, and
// the list and stats panel after them. The rules themselves are unit-tested natively.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "dialog_checks.h"
#include "driver.h"
#include "model/dates.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

constexpr Date kToday{2026, 3, 20};

HWND Box(ModalWindow& dialog, int control) { return GetDlgItem(dialog.Handle(), control); }

Date PickerDate(ModalWindow& dialog) {
    SYSTEMTIME date{};
    SendMessageA(Box(dialog, IDC_TRANSACTION_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    return Date{date.wYear, date.wMonth, date.wDay};
}

void SetPickerDate(ModalWindow& dialog, Date date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    SendMessageA(Box(dialog, IDC_TRANSACTION_DATE), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

int ChosenCategory(ModalWindow& dialog) {
    return static_cast<int>(SendMessageA(Box(dialog, IDC_TRANSACTION_CATEGORY), CB_GETCURSEL, 0, 0));
}

bool IsChecked(ModalWindow& dialog, int control) {
    return IsDlgButtonChecked(dialog.Handle(), control) == BST_CHECKED;
}

std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < kColumnCount; ++column) cells.push_back(ListCell(App.transactionList, row, column));
    return cells;
}

std::string Balance() { return WindowText(GetDlgItem(App.statsPanel, IDC_STAT_VALUE1)); }

// Presses `button` with an invalid amount typed: the message over the dialog,
// then the dialog still open with the amount focused and wholly selected.
void ExpectAmountRefused(Driver& driver, ModalWindow& dialog, int button) {
    dialog.SetText(IDC_TRANSACTION_AMOUNT, "12$");
    ExpectRefusal(driver, dialog, button, "Enter a valid amount (numbers, commas, periods and no other symbols).",
                  IDC_TRANSACTION_AMOUNT);
}

// The sample file opened (its Accounts dialog closed) with the Bank account "Checking" current.
class TransactionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        SetToday(kToday);
        ASSERT_TRUE(SampleDocument().Save(path_));
        driver_ = std::make_unique<Driver>(path_.c_str(), Driver::Settings::Fresh, std::vector{CloseAccounts()});
        SelectAccount(0);
    }
    void TearDown() override {
        driver_.reset();
        SetToday(std::nullopt);
    }

    Driver& driver() { return *driver_; }
    HelpRecorder help_;
    Account& Checking() { return Program.document.GetAccount(0); }

private:
    std::string path_ = TestFile("transactions.pwf");
    std::unique_ptr<Driver> driver_;
};

}  // namespace

TEST_F(TransactionDialogs, NewTransactionOpensPresetAndAddsARow) {
    driver().OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Transaction");
        EXPECT_EQ(GetFocus(), Box(dialog, IDC_TRANSACTION_AMOUNT));
        EXPECT_EQ(dialog.Text(IDC_FIRST_KIND) + "/" + dialog.Text(IDC_SECOND_KIND), "Deposit/Withdrawal");
        EXPECT_TRUE(IsChecked(dialog, IDC_SECOND_KIND));
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_NUMBER), "1");  // the last stored is the paycheck, number 0
        EXPECT_EQ(ChosenCategory(dialog), 0);
        EXPECT_EQ(PickerDate(dialog), kToday);
        dialog.Click(IDC_HELP_BUTTON);
        ExpectAmountRefused(driver(), dialog, IDOK);
        EXPECT_EQ(Checking().TransactionCount(), 4);

        dialog.SetText(IDC_TRANSACTION_AMOUNT, "84.50");
        SendMessageA(Box(dialog, IDC_TRANSACTION_CATEGORY), CB_SETCURSEL, 2, 0);
        dialog.SetText(IDC_TRANSACTION_NUMBER, "103");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Corner Market");
        dialog.SetText(IDC_TRANSACTION_MEMO, "Weekly");
        dialog.Click(IDOK);
    });
    driver().Command(IDM_NEW_TRANSACTION);
    EXPECT_EQ(help_.Take(), (std::vector<HelpRecorder::Request>{{Program.HelpFolder + "\\pwhelp.hlp", HELP_CONTEXT, 6}}));
    ASSERT_EQ(ListRowCount(App.transactionList), 5);
    EXPECT_EQ(Row(4), (std::vector<std::string>{"103", "03/20/2026", "Withdrawal", "84.50", "Corner Market",
                                                 "Groceries", "Weekly", "1000.00"}));
    EXPECT_EQ(Balance(), "1000.00");
}

TEST_F(TransactionDialogs, AddMoreAddsThenOpensAFreshDialogAfterTheRefresh) {
    driver().OnModal([&](ModalWindow& dialog) {
        ExpectAmountRefused(driver(), dialog, IDC_ADD_MORE);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "");
        dialog.SetText(IDC_TRANSACTION_PAYEE, "Nobody");
        driver().OnModal([&](ModalWindow& next) {
            EXPECT_EQ(next.Title(), "New Transaction");
            EXPECT_EQ(ListRowCount(App.transactionList), 5);  // the frame refreshed first
            EXPECT_EQ(next.Text(IDC_TRANSACTION_NUMBER), "2");
            EXPECT_EQ(next.Text(IDC_TRANSACTION_AMOUNT) + next.Text(IDC_TRANSACTION_PAYEE), "");
            next.Click(IDCANCEL);
        });
        dialog.Click(IDC_ADD_MORE);
    });
    driver().Command(IDM_NEW_TRANSACTION);
    ASSERT_EQ(Checking().TransactionCount(), 5);
    EXPECT_EQ(Checking().GetTransaction(4).amount, 0.0);  // an empty amount is 0
    EXPECT_EQ(Checking().GetTransaction(4).payee, Text31("Nobody"));
}

TEST_F(TransactionDialogs, EditChangesTheTransactionTheSortedRowShowsInPlace) {
    Program.SortDate = kSortAscending;
    RefreshTransactionViews();
    Checking().GetTransaction(2).category = 99;  // no such category
    SelectListRow(App.transactionList, 1);       // City Power, stored third
    driver().OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "Edit Transaction");
        EXPECT_FALSE(dialog.HasControl(IDC_ADD_MORE));
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_AMOUNT), "120.00");
        EXPECT_TRUE(IsChecked(dialog, IDC_SECOND_KIND));
        EXPECT_EQ(PickerDate(dialog), (Date{2026, 2, 1}));
        EXPECT_EQ(ChosenCategory(dialog), -1);
        EXPECT_EQ(dialog.Text(IDC_TRANSACTION_NUMBER) + " " + dialog.Text(IDC_TRANSACTION_PAYEE), "102 City Power");
        SetPickerDate(dialog, Date{2026, 3, 30});
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "130");
        dialog.Click(IDOK);
    });
    driver().Command(IDM_EDIT_TRANSACTION);
    const Transaction& edited = Checking().GetTransaction(2);
    EXPECT_EQ(edited.amount, 130.0);
    EXPECT_EQ((Date{edited.year, edited.month, edited.day}), (Date{2026, 3, 30}));
    EXPECT_EQ(edited.category, -1);
    EXPECT_EQ(Checking().GetTransaction(1).payee, Text31("Corner Market"));
    // Now last by date, it keeps its place in the running total.
    EXPECT_EQ(Row(3), (std::vector<std::string>{"102", "03/30/2026", "Withdrawal", "130.00", "City Power", "", "",
                                                 "824.50"}));
    EXPECT_EQ(Balance(), "1074.50");

    // Cancel changes nothing; Help asks for the same topic and leaves the dialog open.
    const Document before = Program.document;
    SelectListRow(App.transactionList, 0);
    driver().OnModal([&](ModalWindow& dialog) {
        dialog.SetText(IDC_TRANSACTION_AMOUNT, "1");
        dialog.Click(IDC_HELP_BUTTON);
        EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
        dialog.Click(IDCANCEL);
    });
    driver().Command(IDM_EDIT_TRANSACTION);
    EXPECT_TRUE(Program.document == before);
    EXPECT_EQ(help_.Take(), (std::vector<HelpRecorder::Request>{{Program.HelpFolder + "\\pwhelp.hlp", HELP_CONTEXT, 6}}));
}
