// A user's first evening with a credit card: the account is created with an
// opening balance and its details, switched to, and a charge and a payment
// are entered; the list and the stats panel follow every step.

#include <windows.h>
#include <gtest/gtest.h>

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

std::string Stat(int control) { return WindowText(GetDlgItem(App.statsPanel, control)); }

std::vector<std::string> Row(int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < 8; ++column) cells.push_back(ListCell(App.transactionList, row, column));
    return cells;
}

// Enters one transaction through New Transaction: the kind button, amount and payee.
Driver::Action EnterTransaction(int kind, const char* amount, const char* payee) {
    return [=](ModalWindow& dialog) {
        EXPECT_EQ(dialog.Title(), "New Transaction");
        SendMessageA(GetDlgItem(dialog.Handle(), kind), BM_CLICK, 0, 0);
        dialog.SetText(IDC_TRANSACTION_AMOUNT, amount);
        dialog.SetText(IDC_TRANSACTION_PAYEE, payee);
        dialog.Click(IDOK);
    };
}

}  // namespace

TEST(CreditCardFlow, OpeningBalanceDetailsChargeAndPayment) {
    SetToday(Date{2026, 3, 20});
    Driver driver(OpenSample("card.pwf").c_str(), Driver::Settings::Fresh, {CloseAccounts()});

    driver.OnModal([](ModalWindow& account) {
        SendMessageA(GetDlgItem(account.Handle(), IDC_TYPE_CREDIT), BM_CLICK, 0, 0);
        account.SetText(IDC_OPENING_AMOUNT, "1,200.00");
        account.Click(IDOK);
    });
    driver.OnModal([](ModalWindow& details) {
        details.SetText(IDC_ACCOUNT_NAME, "Visa");
        details.SetText(IDC_CREDIT_LIMIT, "5,000");
        details.Click(IDOK);
    });
    std::string question;
    driver.OnModal(AnswerMessage(question, IDYES));
    driver.Command(IDM_NEW_ACCOUNT);
    EXPECT_EQ(question, "Switch to this account now?");
    EXPECT_EQ(WindowText(App.frame), "Pennywhist - card (Visa)");
    EXPECT_EQ(Row(0), (std::vector<std::string>{"0", "03/20/2026", "Charge", "1200.00", "", "None", "OPENING BALANCE",
                                                "1200.00"}));

    driver.OnModal(EnterTransaction(IDC_FIRST_KIND, "86.40", "Garden Centre"));
    driver.Command(IDM_NEW_TRANSACTION);
    driver.OnModal(EnterTransaction(IDC_SECOND_KIND, "500", "Online payment"));
    driver.Command(IDM_NEW_TRANSACTION);

    ASSERT_EQ(ListRowCount(App.transactionList), 3);
    EXPECT_EQ(Row(1)[2], "Charge");
    EXPECT_EQ(Row(1)[7], "1286.40");
    EXPECT_EQ(Row(2)[2], "Payment");
    EXPECT_EQ(Row(2)[7], "786.40");
    EXPECT_EQ(Stat(IDC_STAT_LABEL2), "Credit Left");
    EXPECT_EQ(Stat(IDC_STAT_VALUE1), "786.40");
    EXPECT_EQ(Stat(IDC_STAT_VALUE2), "4213.60");
    EXPECT_EQ(Stat(IDC_STAT_VALUE3), "1286.40");
    EXPECT_EQ(Stat(IDC_STAT_VALUE4), "500.00");
    SetToday(std::nullopt);
}
