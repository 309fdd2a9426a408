// The Accounts dialog over an opened file (it opens by itself after the file):
// its rows and buttons, switching, help, and deleting accounts with their
// bills/deposits. The rules are unit-tested natively.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/program.h"
#include "dialog_checks.h"
#include "driver.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

HWND List(ModalWindow& dialog) { return GetDlgItem(dialog.Handle(), IDC_ACCOUNT_LIST); }

Rows ListedAccounts(ModalWindow& dialog) {
    Rows rows;
    for (int row = 0; row < ListRowCount(List(dialog)); ++row)
        rows.emplace_back(ListCell(List(dialog), row, 0), ListCell(List(dialog), row, 1));
    return rows;
}

// Saves the sample file ("Checking", "Food") with one more account and bills/deposits.
std::string SampleFile(const char* name, const char* extra, std::int32_t type,
                       std::vector<std::pair<std::int32_t, const char*>> bills = {}) {
    Document document = SampleDocument();
    Account account;
    account.name = extra;
    account.type = type;
    document.AddAccount(account);
    for (auto [index, payee] : bills) {
        BillDeposit bill;
        bill.account = index;
        bill.payee = payee;
        document.AddBillDeposit(bill);
    }
    const std::string path = TestFile(name);
    EXPECT_TRUE(document.Save(path));
    return path;
}

}  // namespace

TEST(AccountsDialog, ListsTheAccountsAndSwitchesToTheSelectedOne) {
    std::string message;
    Driver driver(SampleFile("switch.pwf", "Misc", 7).c_str(), Driver::Settings::Fresh, {[&](ModalWindow& dialog) {
                      EXPECT_EQ(dialog.Title(), "Accounts");
                      const Rows rows = {{"Checking", "Bank"}, {"Food", "Budget"}, {"Misc", "Other"}};
                      EXPECT_EQ(ListedAccounts(dialog), rows);
                      for (int button : {IDOK, IDC_ACCOUNT_DETAILS, IDC_ADJUST_ACCOUNT, IDC_DELETE_ACCOUNT}) {
                          message.clear();
                          driver.OnModal(AnswerMessage(message));
                          dialog.Click(button);
                          EXPECT_EQ(message, "No account is selected.") << button;
                      }
                      SelectListRow(List(dialog), 1);
                      dialog.Click(IDOK);
                  }});
    EXPECT_EQ(Program.CurrentAccountIndex, 1);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - switch (Food)");
    EXPECT_EQ(ListCell(App.transactionList, 0, 6), "BUDGET AMOUNT");

    HelpRecorder help;
    driver.OnModal([](ModalWindow& dialog) {
        dialog.Click(IDC_HELP_BUTTON);
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_ACCOUNTS);
    const HelpRecorder::Request topic{Program.HelpFolder + "\\pwhelp.hlp", HELP_CONTEXT, 3};
    EXPECT_EQ(help.Take(), std::vector{topic});
}

TEST(AccountsDialog, DeletingKeepsTheSameAccountCurrentOrNoneAndDropsItsBills) {
    const std::string path = SampleFile("delete.pwf", "Savings", AccountTypeBank,
                                        {{1, "food1"}, {0, "rent"}, {2, "save"}, {1, "food2"}});
    const std::string title = "Pennywhist - delete (Savings)";
    Driver driver(path.c_str(), Driver::Settings::Fresh, {[](ModalWindow& dialog) {
                      SelectListRow(List(dialog), 2);
                      dialog.Click(IDOK);
                  }});
    ASSERT_EQ(WindowText(App.frame), title);

    std::string question;
    driver.OnModal([&](ModalWindow& dialog) {
        // "Food", before the current account.
        SelectListRow(List(dialog), 1);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_TRUE(question.starts_with("Are you sure you want to delete the selected account?")) << question;
        EXPECT_EQ(ListedAccounts(dialog), (Rows{{"Checking", "Bank"}, {"Savings", "Bank"}}));
        EXPECT_EQ(Program.CurrentAccountIndex, 1);
        EXPECT_EQ(WindowText(App.frame), title);
        std::vector<std::pair<std::string, std::int32_t>> left;
        for (const BillDeposit& bill : Program.document.billDeposits)
            left.emplace_back(bill.payee.c_str(), bill.account);
        EXPECT_EQ(left, (std::vector<std::pair<std::string, std::int32_t>>{{"rent", 0}, {"save", 1}}));

        // The current account itself: none is current afterwards.
        SelectListRow(List(dialog), 1);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_EQ(Program.CurrentAccountIndex, -1);
        EXPECT_FALSE(IsWindowVisible(App.transactionList));

        // The last account: the buttons that need one are disabled.
        SelectListRow(List(dialog), 0);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_EQ(ListRowCount(List(dialog)), 0);
        EXPECT_TRUE(Program.document.billDeposits.empty());
        for (int button : {IDOK, IDC_ACCOUNT_DETAILS, IDC_DELETE_ACCOUNT})
            EXPECT_FALSE(dialog.IsControlEnabled(button)) << button;
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_NEW_ACCOUNT));
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_ACCOUNTS);
}
