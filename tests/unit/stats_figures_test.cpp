// The stats panel: today's date, the next bill and deposit of the whole file
// with their due marks, and the current account's figures.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/stats_figures.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 3, 14};

BillDeposit Scheduled(std::int32_t kind, std::int32_t year, std::int32_t month, std::int32_t day,
                      std::int32_t account = 0) {
    BillDeposit entry;
    entry.kind = kind;
    entry.amount = 10.0;
    entry.year = year;
    entry.month = month;
    entry.day = day;
    entry.account = account;
    return entry;
}

StatsFigures Figures(const Document& document, std::int32_t account = -1,
                     std::int32_t dateFormat = kDateFormatAmerican) {
    return ComputeStatsFigures(document, account, kToday, dateFormat);
}

// A document with one account of `type` holding the given transactions.
Document OneAccount(std::int32_t type, std::initializer_list<Transaction> transactions, double creditLimit = 0.0) {
    Document document;
    document.AddCategory(Text31("None"));
    Account account = MakeAccount(type, "Acct", "");
    account.creditLimit = creditLimit;
    for (const Transaction& t : transactions) account.AddTransaction(t);
    document.AddAccount(account);
    return document;
}

Transaction In(double amount) { return MakeTransaction(0, amount, 3, 1, 2026, 0, 0, "", ""); }
Transaction Out(double amount) { return MakeTransaction(1, amount, 3, 2, 2026, 0, 0, "", ""); }

void ExpectRows(const StatsFigures& figures, const std::array<std::string, 4>& labels,
                const std::array<std::string, 4>& values, const std::array<bool, 4>& colons) {
    EXPECT_EQ(figures.labels, labels);
    EXPECT_EQ(figures.values, values);
    EXPECT_EQ(figures.colonShown, colons);
}

}  // namespace

TEST(StatsFiguresDue, StatusAgainstToday) {
    EXPECT_EQ(GetDueStatus({2026, 3, 13}, kToday), DueStatus::Overdue);
    EXPECT_EQ(GetDueStatus({2025, 12, 31}, kToday), DueStatus::Overdue);
    EXPECT_EQ(GetDueStatus({2026, 3, 14}, kToday), DueStatus::Due);
    EXPECT_EQ(GetDueStatus({2026, 3, 15}, kToday), DueStatus::Pending);
    EXPECT_EQ(GetDueStatus({2027, 1, 1}, kToday), DueStatus::Pending);
}

TEST(StatsFiguresDue, TodayInTheDateFormat) {
    EXPECT_EQ(Figures(Document(), -1, kDateFormatAmerican).today, "03/14/2026");
    EXPECT_EQ(Figures(Document(), -1, kDateFormatEuropean).today, "14/03/2026");
}

TEST(StatsFiguresDue, NoneWhenTheListHasNoneOfTheKind) {
    Document document = MakeSampleDocument();
    document.ClearBillDeposits();
    StatsFigures figures = Figures(document, 0);
    EXPECT_EQ(figures.nextBill, "NONE");
    EXPECT_EQ(figures.nextDeposit, "NONE");

    document.AddBillDeposit(Scheduled(DepositKind, 2026, 4, 2));
    figures = Figures(document, 0);
    EXPECT_EQ(figures.nextBill, "NONE");
    EXPECT_EQ(figures.nextDeposit, "04/02/2026");

    document.ClearBillDeposits();
    document.AddBillDeposit(Scheduled(BillKind, 2026, 4, 3));
    figures = Figures(document, 0);
    EXPECT_EQ(figures.nextBill, "04/03/2026");
    EXPECT_EQ(figures.nextDeposit, "NONE");
}

TEST(StatsFiguresDue, LastYearsDecemberComesBeforeThisYearsJanuary) {
    const BillDeposit december = Scheduled(BillKind, 2025, 12, 1);
    const BillDeposit january = Scheduled(BillKind, 2026, 1, 15);
    for (bool decemberFirst : {true, false}) {
        SCOPED_TRACE(decemberFirst ? "December first in the list" : "January first in the list");
        Document document;
        document.AddBillDeposit(decemberFirst ? december : january);
        document.AddBillDeposit(decemberFirst ? january : december);
        EXPECT_EQ(Figures(document, -1, kDateFormatAmerican).nextBill, "12/01/2025 (OVERDUE)");
        EXPECT_EQ(Figures(document, -1, kDateFormatEuropean).nextBill, "01/12/2025 (OVERDUE)");
        EXPECT_EQ(Figures(document).nextDeposit, "NONE");
    }
}

TEST(StatsFiguresDue, EarliestOfEachKindOverEveryAccount) {
    Document document = MakeSampleDocument();  // its one bill is due 02/01/2026, for account 0
    document.AddBillDeposit(Scheduled(DepositKind, 2026, 5, 1, 2));
    document.AddBillDeposit(Scheduled(BillKind, 2027, 1, 10, 1));
    document.AddBillDeposit(Scheduled(BillKind, 2026, 1, 20, 2));  // the earliest bill, another account
    document.AddBillDeposit(Scheduled(7, 2026, 3, 30, 1));         // any nonzero kind is a deposit
    document.AddBillDeposit(Scheduled(DepositKind, 2026, 4, 2, 0));
    document.AddBillDeposit(Scheduled(BillKind, 2026, 2, 5, 1));

    for (std::int32_t current : {-1, 0, 1, 2}) {
        SCOPED_TRACE("current account " + std::to_string(current));
        const StatsFigures figures = Figures(document, current);
        EXPECT_EQ(figures.nextBill, "01/20/2026 (OVERDUE)");
        EXPECT_EQ(figures.nextDeposit, "03/30/2026");
    }
}

TEST(StatsFiguresDue, MarksForTodayTomorrowAndYesterday) {
    struct Case {
        Date due;
        const char* american;
        const char* european;
    };
    for (Case c : {Case{{2026, 3, 14}, "03/14/2026 (DUE)", "14/03/2026 (DUE)"},
                   Case{{2026, 3, 15}, "03/15/2026", "15/03/2026"},
                   Case{{2026, 3, 13}, "03/13/2026 (OVERDUE)", "13/03/2026 (OVERDUE)"}}) {
        SCOPED_TRACE(c.american);
        Document document;
        document.AddBillDeposit(Scheduled(BillKind, c.due.year, c.due.month, c.due.day));
        document.AddBillDeposit(Scheduled(DepositKind, c.due.year, c.due.month, c.due.day));
        const StatsFigures american = Figures(document, -1, kDateFormatAmerican);
        EXPECT_EQ(american.nextBill, c.american);
        EXPECT_EQ(american.nextDeposit, c.american);
        const StatsFigures european = Figures(document, -1, kDateFormatEuropean);
        EXPECT_EQ(european.nextBill, c.european);
        EXPECT_EQ(european.nextDeposit, c.european);
    }
}

TEST(StatsFiguresAccount, BankAndOther) {
    for (std::int32_t type : {AccountTypeBank, AccountTypeOther}) {
        SCOPED_TRACE("account type " + std::to_string(type));
        const Document document = OneAccount(type, {In(1200.0), Out(42.17), In(300.5), Out(58.33)});
        ExpectRows(Figures(document, 0), {"Balance", "Deposits", "Withdrawals", ""},
                   {"1400.00", "1500.50", "100.50", ""}, {true, true, true, false});
    }
    // Out more than in: the balance goes negative.
    ExpectRows(Figures(OneAccount(AccountTypeBank, {In(10.0), Out(25.5)}), 0),
               {"Balance", "Deposits", "Withdrawals", ""}, {"-15.50", "10.00", "25.50", ""},
               {true, true, true, false});
}

TEST(StatsFiguresAccount, BudgetAndCash) {
    for (std::int32_t type : {AccountTypeBudget, AccountTypeCash}) {
        SCOPED_TRACE("account type " + std::to_string(type));
        const Document document = OneAccount(type, {In(500.0), Out(100.0), Out(20.0)});
        ExpectRows(Figures(document, 0), {"Left", "Received", "Spent", ""}, {"380.00", "500.00", "120.00", ""},
                   {true, true, true, false});
    }
}

TEST(StatsFiguresAccount, CreditWithItsCreditLeft) {
    const Document document = OneAccount(AccountTypeCredit, {In(200.0), Out(100.0), In(50.0)}, 1000.0);
    ExpectRows(Figures(document, 0), {"Balance", "Credit Left", "Charges", "Payments"},
               {"150.00", "850.00", "250.00", "100.00"}, {true, true, true, true});

    // Over the limit: nothing left, shown as a negative amount.
    const Document over = OneAccount(AccountTypeCredit, {In(1200.0)}, 1000.0);
    EXPECT_EQ(Figures(over, 0).values[1], "-200.00");
}

TEST(StatsFiguresAccount, NoCurrentAccount) {
    ExpectRows(Figures(MakeSampleDocument(), -1), {"NONE", "", "", ""}, {"", "", "", ""}, {false, false, false, false});
}

TEST(StatsFiguresAccount, FiguresAreThoseOfTheCurrentAccountOnly) {
    const Document document = MakeSampleDocument();  // Checking, Visa (limit 2500), Wallet
    EXPECT_EQ(Figures(document, 0).values, (std::array<std::string, 4>{"1157.83", "1200.00", "42.17", ""}));
    EXPECT_EQ(Figures(document, 1).values, (std::array<std::string, 4>{"-19.99", "2519.99", "0.00", "19.99"}));
    EXPECT_EQ(Figures(document, 2).values, (std::array<std::string, 4>{"60.00", "60.00", "0.00", ""}));
}
