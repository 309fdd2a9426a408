// The stats panel: today's date, the next bill and deposit of the whole file
// with their due marks, and the current account's figures.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/stats_figures.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 3, 14};

BillDeposit Scheduled(std::int32_t kind, std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t account = 0) {
    return {kind, 10.0, month, day, year, 0, 0, "", "", OccurrenceOnce, account};
}

StatsFigures Figures(const Document& document, std::int32_t account = -1,
                     std::int32_t dateFormat = kDateFormatAmerican) {
    return ComputeStatsFigures(document, account, kToday, dateFormat);
}

}  // namespace

TEST(StatsFigures, NextBillAndDepositAreTheEarliestOverEveryAccount) {
    Document document = MakeSampleDocument();  // three accounts
    document.ClearBillDeposits();
    EXPECT_EQ(Figures(document, 0).nextBill, "NONE");
    EXPECT_EQ(Figures(document, 0).nextDeposit, "NONE");

    document.AddBillDeposit(Scheduled(DepositKind, 2026, 5, 1, 2));
    EXPECT_EQ(Figures(document, 0).nextBill, "NONE");
    EXPECT_EQ(Figures(document, 0).nextDeposit, "05/01/2026");

    document.AddBillDeposit(Scheduled(BillKind, 2026, 1, 20, 2));
    document.AddBillDeposit(Scheduled(7, 2026, 3, 30, 1));  // any nonzero kind is a deposit
    document.AddBillDeposit(Scheduled(BillKind, 2025, 12, 1, 1));  // last December before this January
    document.AddBillDeposit(Scheduled(DepositKind, 2026, 4, 2, 0));
    document.AddBillDeposit(Scheduled(BillKind, 2026, 2, 5, 1));
    for (std::int32_t current : {-1, 0, 1, 2}) {
        SCOPED_TRACE("current account " + std::to_string(current));
        EXPECT_EQ(Figures(document, current).nextBill, "12/01/2025 (OVERDUE)");
        EXPECT_EQ(Figures(document, current).nextDeposit, "03/30/2026");
    }
}

TEST(StatsFigures, TodayAndTheDueMarksInBothDateFormats) {
    EXPECT_EQ(Figures(Document(), -1, kDateFormatAmerican).today, "03/14/2026");
    EXPECT_EQ(Figures(Document(), -1, kDateFormatEuropean).today, "14/03/2026");
    struct Case {
        Date due;
        const char* american;
        const char* european;
    };
    for (Case c : {Case{{2026, 3, 14}, "03/14/2026 (DUE)", "14/03/2026 (DUE)"},
                   Case{{2026, 3, 15}, "03/15/2026", "15/03/2026"},
                   Case{{2026, 3, 13}, "03/13/2026 (OVERDUE)", "13/03/2026 (OVERDUE)"},
                   Case{{2025, 12, 31}, "12/31/2025 (OVERDUE)", "31/12/2025 (OVERDUE)"}}) {
        SCOPED_TRACE(c.american);
        Document document;
        document.AddBillDeposit(Scheduled(BillKind, c.due.year, c.due.month, c.due.day));
        document.AddBillDeposit(Scheduled(DepositKind, c.due.year, c.due.month, c.due.day));
        EXPECT_EQ(Figures(document, -1, kDateFormatAmerican).nextBill, c.american);
        EXPECT_EQ(Figures(document, -1, kDateFormatAmerican).nextDeposit, c.american);
        EXPECT_EQ(Figures(document, -1, kDateFormatEuropean).nextBill, c.european);
        EXPECT_EQ(Figures(document, -1, kDateFormatEuropean).nextDeposit, c.european);
    }
}

TEST(StatsFigures, CurrentAccountFiguresByType) {
    using Texts = std::array<std::string, 4>;
    struct Case {
        std::int32_t type;
        std::vector<double> in, out;  // in as kind 0, out as kinds 1 and 3
        Texts labels, values;
        bool fourthColon;
    };
    const Case cases[] = {
        {AccountTypeCredit, {200.0, 50.0}, {60.0, 40.0}, {"Balance", "Credit Left", "Charges", "Payments"},
         {"150.00", "850.00", "250.00", "100.00"}, true},
        {AccountTypeBudget, {500.0}, {100.0, 20.0}, {"Left", "Received", "Spent", ""},
         {"380.00", "500.00", "120.00", ""}, false},
        {AccountTypeCash, {500.0}, {100.0, 20.0}, {"Left", "Received", "Spent", ""},
         {"380.00", "500.00", "120.00", ""}, false},
        {AccountTypeBank, {1200.0, 300.5}, {42.17, 58.33}, {"Balance", "Deposits", "Withdrawals", ""},
         {"1400.00", "1500.50", "100.50", ""}, false},
        {AccountTypeOther, {10.0}, {25.5}, {"Balance", "Deposits", "Withdrawals", ""},
         {"-15.50", "10.00", "25.50", ""}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        Document document = MakeSampleDocument();  // three accounts with figures of their own
        Account account = MakeAccount(c.type, "Acct", "");
        account.creditLimit = 1000.0;
        for (double amount : c.in) account.AddTransaction({0, amount, 3, 1, 2026, 0, 0, "", ""});
        for (std::size_t i = 0; i < c.out.size(); ++i)
            account.AddTransaction({i % 2 == 0 ? 1 : 3, c.out[i], 3, 2, 2026, 0, 0, "", ""});
        document.AddAccount(account);
        const StatsFigures figures = Figures(document, 3);
        EXPECT_EQ(figures.labels, c.labels);
        EXPECT_EQ(figures.values, c.values);
        EXPECT_EQ(figures.colonShown, (std::array<bool, 4>{true, true, true, c.fourthColon}));
    }
}

TEST(StatsFigures, NoCurrentAccount) {
    const Document document = MakeSampleDocument();
    for (std::int32_t none : {-1, 3}) {
        const StatsFigures figures = Figures(document, none);
        EXPECT_EQ(figures.labels, (std::array<std::string, 4>{"NONE", "", "", ""}));
        EXPECT_EQ(figures.values, (std::array<std::string, 4>{}));
        EXPECT_EQ(figures.colonShown, (std::array<bool, 4>{}));
    }
}
