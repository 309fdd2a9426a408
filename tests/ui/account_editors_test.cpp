// New Account and Account Details wired to the account rules: the texts
// follow the chosen type, a refusal keeps the dialog open on the refused box,
// the sequence keeps an account only when its details are stored, and Help
// asks for the pop-up topic of the type. The rules are unit-tested natively.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/program.h"
#include "dialogs/account_details_dialog.h"
#include "dialogs/new_account_dialog.h"
#include "dialog_checks.h"
#include "driver.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"
#include "sample_files.h"
#include "views/transaction_list.h"

namespace {

// A click on a radio button checks it, as the mouse does.
void Choose(ModalWindow& dialog, int button) { SendMessageA(GetDlgItem(dialog.Handle(), button), BM_CLICK, 0, 0); }

Account Named(const char* name, std::int32_t type) {
    Account account;
    account.type = type;
    account.name = name;
    return account;
}

}  // namespace

TEST(AccountEditors, ACreditAccountWithAnOpeningBalanceBecomesCurrentOnYes) {
    SetToday(Date{2026, 3, 20});
    Driver driver(OpenSample("new.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    driver.OnModal([&](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Account");
        Choose(dialog, IDC_TYPE_CASH);
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening cash amount");
        Choose(dialog, IDC_TYPE_CREDIT);
        EXPECT_EQ(dialog.Text(IDC_OPENING_AMOUNT_LABEL), "Opening balance");
        dialog.SetText(IDC_OPENING_AMOUNT, "3$00");
        ExpectRefusal(driver, dialog, IDOK,
                      "Enter a valid opening balance (numbers, commas, periods and no other symbols).",
                      IDC_OPENING_AMOUNT);
        EXPECT_EQ(Program.document.AccountCount(), 2);
        dialog.SetText(IDC_OPENING_AMOUNT, "300");
        dialog.Click(IDOK);
    });
    driver.OnModal([&](ModalWindow& details) {
        EXPECT_EQ(details.Title(), "Account Details");
        EXPECT_TRUE(details.IsControlVisible(IDC_CREDIT_LIMIT));
        details.SetText(IDC_ACCOUNT_NAME, "Visa");
        details.SetText(IDC_ACCOUNT_COMMENT, "Travel card");
        details.SetText(IDC_ACCOUNT_NUMBER, "4000-1234");
        details.SetText(IDC_CONTACT_INFO, "Card services\r\n1-800-555-0100");
        details.SetText(IDC_CREDIT_LIMIT, "2,000");
        details.Click(IDOK);
    });
    std::string question;
    driver.OnModal(AnswerMessage(question, IDYES));
    driver.Command(IDM_NEW_ACCOUNT);

    EXPECT_EQ(question, "Switch to this account now?");
    ASSERT_EQ(Program.document.AccountCount(), 3);
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
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnType), "Charge");
    EXPECT_EQ(ListCell(App.transactionList, 0, ColumnAmount), "300.00");
    EXPECT_EQ(WindowText(GetDlgItem(App.statsPanel, IDC_STAT_VALUE1)), "300.00");
    SetToday(std::nullopt);
}

TEST(AccountEditors, CancellingTheDetailsDropsTheNewAccount) {
    Driver driver(OpenSample("cancel.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});
    SelectAccount(0);
    const Document before = Program.document;
    driver.OnModal([](ModalWindow& dialog) {
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
    Account wallet = Named("Wallet", AccountTypeCash);
    wallet.accountNumber = "kept";
    wallet.contactInfo = "kept too";
    wallet.creditLimit = 12.5;
    Program.document.AddAccount(wallet);
    Program.SelectedAccountIndex = 2;
    driver.OnModal([&](ModalWindow& details) {
        RECT rect;
        GetWindowRect(details.Handle(), &rect);
        EXPECT_EQ(rect.bottom - rect.top, 150);
        for (int control : {IDC_ACCOUNT_NAME, IDC_ACCOUNT_COMMENT}) EXPECT_TRUE(details.IsControlVisible(control));
        for (int control : {IDC_ACCOUNT_NUMBER, IDC_CONTACT_INFO_LABEL, IDC_CONTACT_INFO, IDC_CREDIT_LIMIT})
            EXPECT_FALSE(details.IsControlVisible(control)) << control;
        details.SetText(IDC_ACCOUNT_NAME, "wallet");  // its own name in other case
        details.SetText(IDC_ACCOUNT_COMMENT, "Coins");
        details.Click(IDOK);
    });
    EXPECT_EQ(ShowAccountDetailsDialog(App.frame), 1);
    wallet.name = "wallet";
    wallet.comment = "Coins";
    EXPECT_EQ(Program.document.GetAccount(2), wallet);
}

TEST(AccountEditors, HelpAsksForThePopupTopicOfTheType) {
    Driver driver;
    Program.document = SampleDocument();
    Program.document.AddAccount(Named("Visa", AccountTypeCredit));
    HelpRecorder help;
    driver.OnModal([&](ModalWindow& dialog) {
        for (int button : {IDC_TYPE_BANK, IDC_TYPE_BUDGET, IDC_TYPE_CASH, IDC_TYPE_OTHER}) {
            Choose(dialog, button);
            dialog.Click(IDC_HELP_BUTTON);
        }
        dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(ShowNewAccountDialog(App.frame), 2);
    for (int index : {0, 2, 1}) {  // Bank, Credit, Budget
        Program.SelectedAccountIndex = index;
        driver.OnModal([](ModalWindow& details) {
            details.Click(IDC_HELP_BUTTON);
            details.Click(IDCANCEL);
        });
        EXPECT_EQ(ShowAccountDetailsDialog(App.frame), 2);
    }
    const std::string file = Program.HelpFolder + "\\pwhelp.hlp";
    std::vector<HelpRecorder::Request> expected;
    for (ULONG_PTR topic : {12, 13, 14, 12, 9, 10, 11}) expected.push_back({file, HELP_CONTEXTPOPUP, topic});
    EXPECT_EQ(help.Take(), expected);
}
