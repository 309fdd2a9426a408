#include <limits>

#include "model/charts/chart_figures.h"
#include "test_files.h"

namespace {

// None, Bills, Groceries, Rent; the accounts given, with their transactions.
Document WithAccounts(std::vector<Account> accounts) {
    Document document = MakeSampleDocument();
    document.ClearAccounts();
    for (Account& account : accounts) document.AddAccount(std::move(account));
    return document;
}

Transaction Out(double amount, Date date, std::int32_t category = 0) {
    return {amount, KindOut, date.month, date.day, date.year, category};
}
Transaction In(double amount, Date date, std::int32_t category = 0) {
    return {amount, KindIn, date.month, date.day, date.year, category};
}

constexpr Date kToday{2026, 12, 7};
constexpr DateSpan kYear2026{{2026, 1, 1}, {2026, 12, 31}};

ChartFigures Figures(const Document& document, ChartKind kind, std::vector<std::int32_t> accounts,
                     const DateSpan& period = kYear2026) {
    return ComputeChartFigures(document, kind, {"Checking", std::move(accounts)}, period, kToday, kDateFormatAmerican);
}

}  // namespace

TEST(ChartDates, DayNumbersOfTheCalendarAndOfDatesOutsideIt) {
    struct Case {
        Date date;
        std::int64_t day;
    };
    const Case cases[] = {
        {{1970, 1, 1}, 0},        {{2000, 3, 1}, 11017},     {{1601, 1, 1}, -134774}, {{2026, 12, 7}, 20794},
        {{2026, 2, 31}, 20515},   // counts on to 3 March
        {{2025, 13, 1}, 20454},   // January 2026
        {{2026, 0, 1}, 20423},    // December 2025
        {{2026, 3, 0}, 20512},    // the last of February
    };
    for (const Case& c : cases) EXPECT_EQ(DayNumber(c.date), c.day) << c.date.year << "-" << c.date.month;
    for (std::int64_t day = -800000; day < 3000000; day += 997) EXPECT_EQ(DayNumber(DateOfDayNumber(day)), day);
    EXPECT_EQ(DateOfDayNumber(20515), (Date{2026, 3, 3}));
}

TEST(ChartPeriods, EachChoiceSeenFromToday) {
    struct Case {
        ChartPeriod period;
        Date today;
        DateSpan span;
    };
    const Date from{2020, 5, 6}, to{2019, 1, 2};
    const Case cases[] = {
        {ChartPeriod::ThisMonth, {2024, 2, 14}, {{2024, 2, 1}, {2024, 2, 29}}},
        {ChartPeriod::LastMonth, {2026, 1, 31}, {{2025, 12, 1}, {2025, 12, 31}}},
        {ChartPeriod::ThisYear, kToday, kYear2026},
        {ChartPeriod::LastYear, kToday, {{2025, 1, 1}, {2025, 12, 31}}},
        {ChartPeriod::Last12Months, kToday, {{2026, 1, 1}, kToday}},
        {ChartPeriod::Last12Months, {2026, 3, 31}, {{2025, 4, 1}, {2026, 3, 31}}},
        {ChartPeriod::TwoDates, kToday, {to, from}},  // taken in either order
    };
    for (const Case& c : cases) EXPECT_EQ(PeriodDates(c.period, c.today, from, to), c.span) << int(c.period);
}

TEST(ChartAccounts, EachAccountThenTheGroupsThatMoveTheSameWay) {
    const Document document = WithAccounts({{.type = AccountTypeBank, .name = "Checking"},
                                            {.type = AccountTypeCredit, .name = "Visa"},
                                            {.type = AccountTypeCash, .name = "Wallet"},
                                            {.type = 77, .name = "Odd"}});
    const std::vector<ChartAccounts> choices = ChartAccountChoices(document);
    ASSERT_EQ(choices.size(), 5u);
    EXPECT_EQ(choices[1].name, "Visa");
    EXPECT_EQ(choices[1].accounts, std::vector<std::int32_t>{1});
    EXPECT_EQ(choices[4].name, "All Bank, Budget, Cash and Other accounts");
    EXPECT_EQ(choices[4].accounts, (std::vector<std::int32_t>{0, 2, 3}));  // no second Credit account: no group
}

TEST(ChartWords, TheTypesWordsWhenTheAccountsShareThem) {
    const Document document = WithAccounts({{.type = AccountTypeBank},
                                            {.type = AccountTypeCredit},
                                            {.type = AccountTypeBudget},
                                            {.type = AccountTypeCash}});
    struct Case {
        std::vector<std::int32_t> accounts;
        const char* spending;
        const char* income;
        const char* balance;
    };
    const Case cases[] = {
        {{0}, "Withdrawals", "Deposits", "Balance"},
        {{1}, "Charges", "Payments", "Balance"},
        {{2, 3}, "Spent", "Received", "Left"},
        {{0, 3}, "Spending", "Income", "Balance"},
    };
    for (const Case& c : cases) {
        const ChartWords words = WordsOfAccounts(document, c.accounts);
        EXPECT_EQ(words.spending, c.spending);
        EXPECT_EQ(words.income, c.income);
        EXPECT_EQ(words.balance, c.balance);
    }
}

TEST(ChartFigures, CategoryTotalsOfThePeriodLargestFirst) {
    const Document document = WithAccounts({{.type = AccountTypeBank,
                                             .transactions = {Out(10, {2026, 3, 1}, 1), Out(40, {2026, 3, 2}, 2),
                                                              Out(15, {2026, 4, 1}, 1), Out(25, {2026, 5, 1}, 3),
                                                              Out(99, {2025, 12, 31}, 3),  // before the period
                                                              Out(5, {2026, 6, 1}, 9),     // no such category
                                                              In(500, {2026, 6, 2}, 2)}}});
    const ChartFigures spending = Figures(document, ChartKind::Spending, {0});
    EXPECT_EQ(spending.title, "Withdrawals by category: Checking, 01/01/2026 to 12/31/2026");
    ASSERT_EQ(spending.bars.size(), 4u);
    // Bills and Rent tie at 25.00: list order.
    const std::pair<std::string, double> expected[] = {{"Groceries", 40}, {"Bills", 25}, {"Rent", 25}, {"(No category)", 5}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(spending.bars[i].name, expected[i].first);
        EXPECT_DOUBLE_EQ(spending.bars[i].amount, expected[i].second);
    }
    const ChartFigures income = Figures(document, ChartKind::Income, {0});
    EXPECT_EQ(income.title, "Deposits by category: Checking, 01/01/2026 to 12/31/2026");
    ASSERT_EQ(income.bars.size(), 1u);
    EXPECT_DOUBLE_EQ(income.bars[0].amount, 500);
    EXPECT_EQ(Figures(document, ChartKind::Spending, {0}, {{2027, 1, 1}, {2027, 1, 31}}).emptyText,
              "No withdrawals in this period.");
}

TEST(ChartFigures, ChargesAreACreditAccountsSpending) {
    // A charge (the first kind) adds to what a Credit account owes.
    const Document document = WithAccounts({{.type = AccountTypeCredit,
                                             .transactions = {In(30, {2026, 2, 1}, 2), Out(100, {2026, 2, 2}, 1)}},
                                            {.type = AccountTypeCredit, .transactions = {In(20, {2026, 2, 3}, 2)}}});
    const ChartFigures spending = Figures(document, ChartKind::Spending, {0, 1});
    EXPECT_EQ(spending.title.substr(0, 20), "Charges by category:");
    ASSERT_EQ(spending.bars.size(), 1u);
    EXPECT_DOUBLE_EQ(spending.bars[0].amount, 50);
    const ChartFigures months = Figures(document, ChartKind::Months, {0, 1});
    EXPECT_EQ(months.title.substr(0, 31), "Payments and charges by month: ");
    ASSERT_EQ(months.months.size(), 12u);
    EXPECT_DOUBLE_EQ(months.months[1].out, 50);
    EXPECT_DOUBLE_EQ(months.months[1].in, 100);
}

TEST(ChartFigures, BalanceAtTheEndOfEachDayUpToTodayOrTheLastTransaction) {
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    const Document document =
        WithAccounts({{.type = AccountTypeBank,
                       .transactions = {Out(30, {2026, 11, 30}), In(100, {2025, 6, 1}), Out(20, {2026, 12, 2}),
                                        Out(notANumber, {2026, 12, 3}), Out(5, {2026, 12, 2}),
                                        In(1000, {2027, 1, 1})}}});  // after the period
    const ChartFigures figures = Figures(document, ChartKind::Balance, {0}, {{2026, 12, 1}, {2026, 12, 31}});
    EXPECT_EQ(figures.firstDay, (Date{2026, 12, 1}));
    EXPECT_EQ(figures.balances, (std::vector<double>{70, 45, 45, 45, 45, 45, 45}));  // to today, the 7th

    const ChartFigures future = Figures(document, ChartKind::Balance, {0}, {{2026, 12, 1}, {2027, 1, 2}});
    EXPECT_EQ(future.balances.size(), 32u);  // to the last transaction
    EXPECT_DOUBLE_EQ(future.balances.back(), 1045);

    EXPECT_EQ(Figures(document, ChartKind::Balance, {0}, {{2020, 1, 1}, {2020, 1, 2}}).emptyText,
              "No transactions up to the end of this period.");
}

TEST(ChartFigures, EveryMonthOfThePeriodWithItsMoneyInAndOut) {
    const Document document = WithAccounts(
        {{.type = AccountTypeBank,
          .transactions = {In(100, {2026, 1, 5}), Out(30, {2026, 1, 31}), Out(7, {2026, 2, 30}),  // 2 March
                           Out(1, {2025, 12, 31})}},
         {.type = AccountTypeCash, .transactions = {Out(4, {2026, 3, 9})}}});
    const ChartFigures figures = Figures(document, ChartKind::Months, {0, 1}, {{2026, 1, 1}, {2026, 4, 30}});
    EXPECT_EQ(figures.title.substr(0, 30), "Income and spending by month: ");
    ASSERT_EQ(figures.months.size(), 4u);
    const MonthColumn expected[] = {{2026, 1, 100, 30}, {2026, 2, 0, 0}, {2026, 3, 0, 11}, {2026, 4, 0, 0}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(figures.months[i].month, expected[i].month);
        EXPECT_DOUBLE_EQ(figures.months[i].in, expected[i].in);
        EXPECT_DOUBLE_EQ(figures.months[i].out, expected[i].out);
    }
}
