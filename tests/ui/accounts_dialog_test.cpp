// The Accounts dialog over an opened file (it opens by itself after the file):
// its rows and buttons, switching, help, the editors it opens, and deleting
// accounts with their bills/deposits. The rules are unit-tested natively.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
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

int SelectedRow(ModalWindow& dialog) {
    return static_cast<int>(SendMessageA(List(dialog), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

// Saves the sample file ("Checking", "Food") with more accounts and bills/deposits.
std::string SampleFile(const char* name, std::vector<Account> extra = {}, std::vector<BillDeposit> bills = {}) {
    Document document = SampleDocument();
    for (Account& account : extra) document.AddAccount(account);
    for (BillDeposit& bill : bills) document.AddBillDeposit(bill);
    const std::string path = TestFile(name);
    EXPECT_TRUE(document.Save(path));
    return path;
}

Account NamedAccount(const char* name, std::int32_t type) {
    Account account;
    account.name = name;
    account.type = type;
    return account;
}

BillDeposit BillFor(std::int32_t account, const char* payee) {
    BillDeposit bill;
    bill.account = account;
    bill.payee = payee;
    return bill;
}


}  // namespace

TEST(AccountsDialog, ListsTheAccountsAndSwitchesToTheSelectedOne) {
    const std::string path = SampleFile("switch.pwf", {NamedAccount("Misc", 7)});
    std::string message;
    Driver driver(path.c_str(), Driver::Settings::Fresh, {[&](ModalWindow& dialog) {
                      EXPECT_EQ(dialog.Title(), "Accounts");
                      const Rows rows = {{"Checking", "Bank"}, {"Food", "Budget"}, {"Misc", "Other"}};
                      EXPECT_EQ(ListedAccounts(dialog), rows);
                      EXPECT_EQ(SelectedRow(dialog), -1);  // no account is current yet
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
    EXPECT_TRUE(IsWindowVisible(App.transactionList));
    EXPECT_EQ(ListCell(App.transactionList, 0, 6), "BUDGET AMOUNT");

    // The current account's row is selected; Help asks for its topic and leaves the dialog open.
    HelpRecorder help;
    driver.OnModal([](ModalWindow& dialog) {
        EXPECT_EQ(SelectedRow(dialog), 1);
        dialog.Click(IDC_HELP_BUTTON);
        EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_ACCOUNTS);
    EXPECT_EQ(help.Take(), (std::vector<HelpRecorder::Request>{{Program.HelpFolder + "\\pwhelp.hlp", HELP_CONTEXT, 3}}));
    EXPECT_EQ(Program.CurrentAccountIndex, 1);
}

TEST(AccountsDialog, DetailsAndAdjustOpenOnTheSelectedAccount) {
    const std::string path = SampleFile("editors.pwf");
    Driver driver(path.c_str(), Driver::Settings::Fresh, {[&](ModalWindow& dialog) {
                      SelectListRow(List(dialog), 1);
                      for (auto [button, title] :
                           {std::pair{IDC_ACCOUNT_DETAILS, "Account Details"}, {IDC_ADJUST_ACCOUNT, "Adjust"}}) {
                          Program.SelectedAccountIndex = -1;
                          driver.OnModal([title](ModalWindow& editor) {
                              EXPECT_EQ(editor.Title(), title);
                              editor.Click(IDCANCEL);
                          });
                          dialog.Click(button);
                          EXPECT_EQ(Program.SelectedAccountIndex, 1) << title;
                      }
                      dialog.Click(IDCANCEL);
                  }});
    EXPECT_EQ(Program.CurrentAccountIndex, -1);
}

TEST(AccountsDialog, DeletingKeepsTheSameAccountCurrentOrNoneAndDropsItsBills) {
    const std::string path =
        SampleFile("delete.pwf", {NamedAccount("Savings", AccountTypeBank)},
                   {BillFor(1, "food1"), BillFor(0, "rent"), BillFor(2, "save"), BillFor(1, "food2")});
    const std::string title = "Pennywhist - delete (Savings)";
    Driver driver(path.c_str(), Driver::Settings::Fresh, {[](ModalWindow& dialog) {
                      SelectListRow(List(dialog), 2);
                      dialog.Click(IDOK);
                  }});
    ASSERT_EQ(WindowText(App.frame), title);

    std::string question;
    driver.OnModal([&](ModalWindow& dialog) {
        // "No" keeps everything; "Yes" deletes "Food", before the current account.
        SelectListRow(List(dialog), 1);
        driver.OnModal(AnswerMessage(question, IDNO));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_EQ(question,
                  "Are you sure you want to delete the selected account?\n\n"
                  "All transactions and bills/deposits in the account will be deleted...");
        EXPECT_EQ(Program.document.AccountCount(), 3);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        const Rows rows = {{"Checking", "Bank"}, {"Savings", "Bank"}};
        EXPECT_EQ(ListedAccounts(dialog), rows);
        EXPECT_EQ(Program.CurrentAccountIndex, 1);
        EXPECT_EQ(WindowText(App.frame), title);
        EXPECT_TRUE(IsWindowVisible(App.transactionList));
        const std::vector<std::pair<std::string, std::int32_t>> bills = {{"rent", 0}, {"save", 1}};
        std::vector<std::pair<std::string, std::int32_t>> left;
        for (const BillDeposit& bill : Program.document.billDeposits)
            left.emplace_back(bill.payee.c_str(), bill.account);
        EXPECT_EQ(left, bills);

        // The current account itself: none is current afterwards.
        SelectListRow(List(dialog), 1);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_EQ(Program.CurrentAccountIndex, -1);
        EXPECT_FALSE(IsWindowVisible(App.transactionList));
        EXPECT_EQ(WindowText(App.frame).find("Savings"), std::string::npos);

        // The last account: only "New...", "Adjust..." and "Close" are left to use.
        SelectListRow(List(dialog), 0);
        driver.OnModal(AnswerMessage(question, IDYES));
        dialog.Click(IDC_DELETE_ACCOUNT);
        EXPECT_EQ(ListRowCount(List(dialog)), 0);
        EXPECT_TRUE(Program.document.accounts.empty());
        EXPECT_TRUE(Program.document.billDeposits.empty());
        for (int button : {IDOK, IDC_ACCOUNT_DETAILS, IDC_DELETE_ACCOUNT})
            EXPECT_FALSE(dialog.IsControlEnabled(button)) << button;
        for (int button : {IDC_ADJUST_ACCOUNT, IDC_NEW_ACCOUNT}) EXPECT_TRUE(dialog.IsControlEnabled(button)) << button;
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog.Handle(), IDC_NEW_ACCOUNT));
        dialog.Click(IDCANCEL);
    });
    driver.Command(IDM_ACCOUNTS);
}

TEST(AccountsDialog, WithoutAccountsNewLeadsIntoTheNewAccountDialog) {
    Document empty;
    NewFileSetup(empty);
    const std::string path = TestFile("empty.pwf");
    ASSERT_TRUE(empty.Save(path));
    Driver driver(path.c_str(), Driver::Settings::Fresh,
                  {[](ModalWindow& dialog) {
                       for (int button : {IDOK, IDC_ACCOUNT_DETAILS, IDC_DELETE_ACCOUNT})
                           EXPECT_FALSE(dialog.IsControlEnabled(button)) << button;
                       EXPECT_TRUE(dialog.IsControlEnabled(IDC_ADJUST_ACCOUNT));
                       EXPECT_EQ(GetFocus(), GetDlgItem(dialog.Handle(), IDC_NEW_ACCOUNT));
                       dialog.Click(IDC_NEW_ACCOUNT);
                   },
                   [](ModalWindow& newAccount) {
                       EXPECT_EQ(newAccount.Title(), "New Account");
                       newAccount.Click(IDCANCEL);
                   }});
    EXPECT_TRUE(Program.document.accounts.empty());
}
