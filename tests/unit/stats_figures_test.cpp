#include "model/tables/stats_figures.h"
#include "test_files.h"

namespace {

const Date kToday{2026, 3, 14};

BillDeposit Scheduled(std::int32_t kind, Date due, std::int32_t account = 0) {
    return {kind, 10.0, due.month, due.day, due.year, 0, 0, "", "", OccurrenceOnce, account};
}

StatsFigures Figures(const Document& document, std::int32_t account = -1,
                     std::int32_t dateFormat = kDateFormatAmerican) {
    return ComputeStatsFigures(document, account, kToday, dateFormat);
}

}  // namespace

TEST(StatsFigures, NextBillAndDepositAreTheEarliestOverEveryAccount) {
    Document document = MakeSampleDocument();  // three accounts
    document.ClearBillDeposits();
    const auto next = [&](std::int32_t current) {
        const StatsFigures figures = Figures(document, current);
        return figures.nextBill + " | " + figures.nextDeposit;
    };
    EXPECT_EQ(next(0), "NONE | NONE");
    document.AddBillDeposit(Scheduled(DepositKind, {2026, 5, 1}, 2));
    EXPECT_EQ(next(0), "NONE | 05/01/2026");

    document.AddBillDeposit(Scheduled(BillKind, {2026, 1, 20}, 2));
    document.AddBillDeposit(Scheduled(7, {2026, 3, 30}, 1));  // any nonzero kind is a deposit
    document.AddBillDeposit(Scheduled(BillKind, {2025, 12, 1}, 1));  // last December before this January
    document.AddBillDeposit(Scheduled(DepositKind, {2026, 4, 2}, 0));
    document.AddBillDeposit(Scheduled(BillKind, {2026, 2, 5}, 1));
    for (std::int32_t current : {-1, 0, 1, 2}) EXPECT_EQ(next(current), "12/01/2025 (OVERDUE) | 03/30/2026") << current;
}

TEST(StatsFigures, TodayAndTheDueMarksInBothDateFormats) {
    const struct { Date due; const char* american, *european; } cases[] = {
        {{2026, 3, 14}, "03/14/2026 (DUE)", "14/03/2026 (DUE)"},
        {{2026, 3, 15}, "03/15/2026", "15/03/2026"},
        {{2026, 3, 13}, "03/13/2026 (OVERDUE)", "13/03/2026 (OVERDUE)"},
        {{2025, 12, 31}, "12/31/2025 (OVERDUE)", "31/12/2025 (OVERDUE)"},
    };
    for (const auto& c : cases) {
        Document document;
        document.AddBillDeposit(Scheduled(BillKind, c.due));
        document.AddBillDeposit(Scheduled(DepositKind, c.due));
        const StatsFigures american = Figures(document), european = Figures(document, -1, kDateFormatEuropean);
        EXPECT_EQ(std::tie(american.today, american.nextBill, american.nextDeposit),
                  std::tie("03/14/2026", c.american, c.american));
        EXPECT_EQ(std::tie(european.today, european.nextBill, european.nextDeposit),
                  std::tie("14/03/2026", c.european, c.european));
    }
}

TEST(StatsFigures, CurrentAccountFiguresInTheWordsOfItsType) {
    using Texts = std::array<std::string, 4>;
    const struct { std::int32_t type; Texts labels; } cases[] = {
        {AccountTypeCredit, {"Balance", "Credit Left", "Charges", "Payments"}},
        {AccountTypeBudget, {"Left", "Received", "Spent", ""}},
        {AccountTypeCash, {"Left", "Received", "Spent", ""}},
        {AccountTypeBank, {"Balance", "Deposits", "Withdrawals", ""}},
        {9, {"Balance", "Deposits", "Withdrawals", ""}},  // an unknown type reads as Other
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        Document document = MakeSampleDocument();  // three accounts with figures of their own
        // In: 200 and 50 as kind 0; out: 60 and 40 as kinds 1 and 3. The limit is kept for every type.
        document.AddAccount({.type = c.type, .creditLimit = 1000.0,
                             .transactions = {{200.0, 0}, {60.0, 1}, {50.0, 0}, {40.0, 3}}});
        const StatsFigures figures = Figures(document, 3);
        const bool credit = c.type == AccountTypeCredit;  // only the credit left fills a fourth line
        EXPECT_EQ(figures.labels, c.labels);
        EXPECT_EQ(figures.values, (credit ? Texts{"150.00", "850.00", "250.00", "100.00"}
                                          : Texts{"150.00", "250.00", "100.00", ""}));
        EXPECT_EQ(figures.colonShown, (std::array<bool, 4>{true, true, true, credit}));
    }
}

TEST(StatsFigures, NoCurrentAccountShowsNone) {
    for (std::int32_t none : {-1, 3}) {
        const StatsFigures figures = Figures(MakeSampleDocument(), none);
        EXPECT_EQ(figures.labels, (std::array<std::string, 4>{"NONE", "", "", ""}));
        EXPECT_EQ(figures.values, (std::array<std::string, 4>{}));
        EXPECT_EQ(figures.colonShown, (std::array<bool, 4>{}));
    }
}
