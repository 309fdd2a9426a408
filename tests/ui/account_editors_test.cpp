// New Account and Account Details wired to the account rules: the texts
// follow the chosen type, a refusal keeps the dialog open on the refused box,
// the sequence keeps an account only when its details are stored, and Help
// asks for the pop-up topic of the type. The rules are unit-tested natively.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "dialogs/account_details_dialog.h"
#include "dialogs/new_account_dialog.h"
#include "dialog_checks.h"
#include "driver.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

const char kInvalidBalance[] = "Enter a valid opening balance (numbers, commas, periods and no other symbols).";

HWND Box(ModalWindow& dialog, int control) { return GetDlgItem(dialog.Handle(), control); }

// A click on a radio button checks it, as the mouse does.
void Choose(ModalWindow& dialog, int button) { SendMessageA(Box(dialog, button), BM_CLICK, 0, 0); }

int WindowHeight(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

TEST(AccountEditors, ACreditAccountWithAnOpeningBalanceBecomesCurrentOnYes) {
    SetToday(Date{2026, 3, 20});
    Driver driver(OpenSample("new.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Account");
        EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), IDC_TYPE_BANK), UINT(BST_CHECKED));
        EXPECT_EQ(dialog.Text(IDC_TYPE_DESCRIPTION), "Checking, Savings and other Bank accounts");
        dialog.SetText(IDC_OPENING_AMOUNT, "3$00");
        Choose(dialog, IDC_TYPE_CASH);
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening cash amount");
        Choose(dialog, IDC_TYPE_CREDIT);
        EXPECT_EQ(dialog.Text(IDC_TYPE_DESCRIPTION), "Credit and Charge cards");
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening balance");
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT), "3$00");  // choosing a type keeps the amount
        ExpectRefusal(driver, dialog, IDOK, kInvalidBalance, IDC_OPENING_AMOUNT);
        EXPECT_EQ(Program.document.AccountCount(), 2);
        dialog.SetText(IDC_OPENING_AMOUNT, "300");
        dialog.Click(IDOK);
    });
    driver.OnModal([&](ModalWindow& details) {
        EXPECT_EQ(details.Title(), "Account Details");
        for (int control : {IDC_ACCOUNT_NUMBER, IDC_CONTACT_INFO, IDC_CREDIT_LIMIT, IDC_CREDIT_LIMIT_LABEL})
            EXPECT_TRUE(details.IsControlVisible(control)) << control;
        EXPECT_EQ(details.Text(IDC_CREDIT_LIMIT), "0.00");
        details.SetText(IDC_ACCOUNT_NAME, "CHECKING");
        ExpectRefusal(driver, details, IDOK, "Account name already used, enter another one.", IDC_ACCOUNT_NAME);
        details.SetText(IDC_ACCOUNT_NAME, "Visa");
        details.SetText(IDC_ACCOUNT_COMMENT, "Travel card");
        details.SetText(IDC_ACCOUNT_NUMBER, "4000-1234");
        details.SetText(IDC_CONTACT_INFO, "Card services\r\n1-800-555-0100");
        details.SetText(IDC_CREDIT_LIMIT, "2,000$");
        ExpectRefusal(driver, details, IDOK,
                      "Enter a valid credit limit (numbers, commas, periods and no other symbols).", IDC_CREDIT_LIMIT);
        details.SetText(IDC_CREDIT_LIMIT, "2,000");
        details.Click(IDOK);
    });
    driver.OnModal([](ModalWindow& question) {
        EXPECT_EQ(question.MessageText(), "Switch to this account now?");
        question.Click(IDYES);
    });
    driver.Command(IDM_NEW_ACCOUNT);

    ASSERT_EQ(Program.document.AccountCount(), 3);
    EXPECT_EQ(Program.SelectedAccountIndex, 2);
    EXPECT_EQ(Program.CurrentAccountIndex, 2);
    const Account& visa = Program.document.GetAccount(2);
    EXPECT_EQ(visa.type, AccountTypeCredit);
    EXPECT_EQ(visa.name.view(), "Visa");
    EXPECT_EQ(visa.comment.view(), "Travel card");
    EXPECT_EQ(visa.accountNumber.view(), "4000-1234");
    EXPECT_EQ(visa.contactInfo.view(), "Card services\r\n1-800-555-0100");
    EXPECT_EQ(visa.creditLimit, 2000.0);
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - new (Visa)");
    ASSERT_EQ(ListRowCount(App.transactionList), 1);
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnDate), "03/20/2026");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnType), "Charge");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnAmount), "300.00");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnMemo), "OPENING BALANCE");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnTotal), "300.00");
    SetToday(std::nullopt);
}

TEST(AccountEditors, CancellingEitherDialogLeavesTheAccountsAsTheyWere) {
    Driver driver(OpenSample("cancel.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    const Document before = Program.document;
    driver.OnModal([](ModalWindow& dialog) { dialog.Click(IDCANCEL); });
    driver.Command(IDM_NEW_ACCOUNT);
    EXPECT_EQ(Program.document, before);

    driver.OnModal([](ModalWindow& dialog) {
        Choose(dialog, IDC_TYPE_CASH);
        dialog.SetText(IDC_OPENING_AMOUNT, "50");
        dialog.Click(IDOK);
    });
    driver.OnModal([](ModalWindow& details) {
        EXPECT_EQ(Program.document.AccountCount(), 3);  // the account exists while its details are asked
        details.SetText(IDC_ACCOUNT_NAME, "Wallet");
        details.Click(IDCANCEL);
    });
    driver.Command(IDM_NEW_ACCOUNT);  // no question follows
    EXPECT_EQ(Program.document, before);
    EXPECT_EQ(Program.CurrentAccountIndex, 0);
}

TEST(AccountEditors, DetailsOfACashAccountShowOnlyNameAndCommentAndKeepTheRest) {
    Driver driver;
    Program.document = SampleDocument();
    Account wallet;
    wallet.type = AccountTypeCash;
    wallet.name = "Wallet";
    wallet.accountNumber = "kept";
    wallet.contactInfo = "kept too";
    wallet.creditLimit = 12.5;
    Program.document.AddAccount(wallet);
    Program.SelectedAccountIndex = 2;
    driver.OnModal([&](ModalWindow& details) {
        EXPECT_EQ(WindowHeight(details.Handle()), 150);
        for (int control : {IDC_ACCOUNT_NAME, IDC_ACCOUNT_COMMENT, IDOK, IDCANCEL, IDC_HELP_BUTTON})
            EXPECT_TRUE(details.IsControlVisible(control)) << control;
        for (int control : {IDC_ACCOUNT_NUMBER_LABEL, IDC_ACCOUNT_NUMBER, IDC_CONTACT_INFO_LABEL, IDC_CONTACT_INFO,
                            IDC_CREDIT_LIMIT_LABEL, IDC_CREDIT_LIMIT})
            EXPECT_FALSE(details.IsControlVisible(control)) << control;
        EXPECT_EQ(details.Text(IDC_ACCOUNT_NAME), "Wallet");
        EXPECT_EQ(details.Text(IDC_CREDIT_LIMIT), "12.50");
        // A name starting with a blank is refused and the box emptied.
        details.SetText(IDC_ACCOUNT_NAME, " Purse");
        ExpectRefusal(driver, details, IDOK, "Enter a name for the account.", IDC_ACCOUNT_NAME);
        EXPECT_EQ(details.Text(IDC_ACCOUNT_NAME), "");
        details.SetText(IDC_ACCOUNT_NAME, "wallet");  // its own name in other case
        details.SetText(IDC_ACCOUNT_COMMENT, "Coins");
        details.Click(IDOK);
    });
    EXPECT_EQ(ShowAccountDetailsDialog(App.frame), 1);
    const Account& stored = Program.document.GetAccount(2);
    EXPECT_EQ(stored.name.view(), "wallet");
    EXPECT_EQ(stored.comment.view(), "Coins");
    EXPECT_EQ(stored.accountNumber.view(), "kept");
    EXPECT_EQ(stored.contactInfo.view(), "kept too");
    EXPECT_EQ(stored.creditLimit, 12.5);
}

TEST(AccountEditors, HelpAsksForThePopupTopicOfTheType) {
    Driver driver;
    Program.document = SampleDocument();
    Account visa;
    visa.type = AccountTypeCredit;
    visa.name = "Visa";
    Program.document.AddAccount(visa);
    const Document before = Program.document;
    HelpRecorder help;
    const std::string file = Program.HelpFolder + "\\pwhelp.hlp";
    std::vector<HelpRecorder::Request> expected;
    driver.OnModal([&](ModalWindow& dialog) {
        const std::pair<int, ULONG_PTR> choices[] = {{IDC_TYPE_BANK, 12},
                                                     {IDC_TYPE_CREDIT, 12},
                                                     {IDC_TYPE_BUDGET, 13},
                                                     {IDC_TYPE_CASH, 14},
                                                     {IDC_TYPE_OTHER, 12}};
        for (const auto& [button, topic] : choices) {
            Choose(dialog, button);
            dialog.Click(IDC_HELP_BUTTON);
            expected.push_back({file, HELP_CONTEXTPOPUP, topic});
        }
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewAccountDialog(App.frame), 2);

    const std::pair<int, ULONG_PTR> accounts[] = {{0, 9}, {1, 11}, {2, 10}};  // Bank, Budget, Credit
    for (const auto& [index, topic] : accounts) {
        Program.SelectedAccountIndex = index;
        driver.OnModal([&, topic = topic](ModalWindow& details) {
            details.Click(IDC_HELP_BUTTON);
            expected.push_back({file, HELP_CONTEXTPOPUP, topic});
            details.Click(IDCANCEL);
        });
        EXPECT_EQ(ShowAccountDetailsDialog(App.frame), 2);
    }
    EXPECT_EQ(help.Take(), expected);
    EXPECT_EQ(Program.document, before);
}
