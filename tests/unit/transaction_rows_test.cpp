// The transaction list: kind words, cell texts, running totals in storage
// order, the date orders and the header click cycle.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/program_values.h"
#include "model/transaction_rows.h"
#include "test_files.h"

namespace {

struct Ymd {
    std::int32_t year, month, day;
};

// An account whose transactions carry the given dates, numbered by storage
// position, each a deposit of 1.00.
Account AccountWithDates(const std::vector<Ymd>& dates) {
    Account account = MakeAccount(AccountTypeBank, "Dated", "");
    std::int32_t number = 0;
    for (const Ymd& d : dates)
        account.AddTransaction(MakeTransaction(0, 1.0, d.month, d.day, d.year, 0, number++, "", ""));
    return account;
}

std::string Cell(const Document& document, const Account& account, std::int32_t index, int column,
                 std::int32_t dateFormat = kDateFormatAmerican) {
    const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, dateFormat);
    return TransactionCellText(document, account, rows, index, column, dateFormat);
}

// Dates that sort wrongly when ordered by the text's leading field alone:
// the order by month or by day differs from the order by year, month, day.
const std::vector<Ymd> kMixedDates = {
    {2002, 2, 3},   // 0
    {2001, 12, 1},  // 1
    {2003, 1, 5},   // 2
    {2002, 1, 15},  // 3
    {2002, 2, 3},   // 4  same date as 0
    {2002, 11, 30}, // 5
    {2002, 2, 20},  // 6
};
const std::vector<std::int32_t> kMixedAscending = {1, 3, 0, 4, 6, 5, 2};
const std::vector<std::int32_t> kMixedDescending = {2, 5, 6, 4, 0, 3, 1};

}  // namespace

TEST(TransactionRowsWords, KindWordByAccountTypeAndKind) {
    struct Case {
        std::int32_t type;
        const char* first;
        const char* second;
    };
    for (Case c : {Case{AccountTypeBank, "Deposit", "Withdrawal"}, Case{AccountTypeCredit, "Charge", "Payment"},
                   Case{AccountTypeBudget, "Receive", "Spend"}, Case{AccountTypeCash, "Receive", "Spend"},
                   Case{AccountTypeOther, "Deposit", "Withdrawal"}}) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        EXPECT_STREQ(KindWord(c.type, 0), c.first);
        for (std::int32_t kind : {1, 2, -1, 77, INT_MIN}) EXPECT_STREQ(KindWord(c.type, kind), c.second) << kind;
    }
}

TEST(TransactionRowsWords, LastColumnTitle) {
    EXPECT_STREQ(BalanceColumnTitle(AccountTypeBank), "Balance");
    EXPECT_STREQ(BalanceColumnTitle(AccountTypeCredit), "Balance");
    EXPECT_STREQ(BalanceColumnTitle(AccountTypeBudget), "Left");
    EXPECT_STREQ(BalanceColumnTitle(AccountTypeCash), "Left");
    EXPECT_STREQ(BalanceColumnTitle(AccountTypeOther), "Balance");
    EXPECT_STREQ(BalanceColumnTitle(9), "Balance");
    EXPECT_STREQ(BalanceColumnTitle(-1), "Balance");
}

TEST(TransactionRowsCells, EveryColumnOfARow) {
    Document document;
    for (const char* name : {"None", "Bills", "Groceries"}) document.AddCategory(Text31(name));
    Account account = MakeAccount(AccountTypeCredit, "Visa", "");
    account.AddTransaction(MakeTransaction(0, 1234.5, 3, 7, 2002, 2, 1001, "Market", "weekly shop"));
    account.AddTransaction(MakeTransaction(3, 0.004, 11, 25, 1999, 1, 0, "", ""));

    const char* expected[] = {"1001",   "03/07/2002", "Charge",      "1234.50",
                              "Market", "Groceries",  "weekly shop", "1234.50"};
    for (int column = ColumnNumber; column <= ColumnTotal; ++column)
        EXPECT_EQ(Cell(document, account, 0, column), expected[column]) << "column " << column;

    EXPECT_EQ(Cell(document, account, 0, ColumnDate, kDateFormatEuropean), "07/03/2002");
    EXPECT_EQ(Cell(document, account, 0, ColumnDate, 5), "07/03/2002");  // any nonzero format puts the day first
    EXPECT_EQ(Cell(document, account, 1, ColumnNumber), "0");
    EXPECT_EQ(Cell(document, account, 1, ColumnType), "Payment");
    EXPECT_EQ(Cell(document, account, 1, ColumnAmount), "0.00");
    EXPECT_EQ(Cell(document, account, 1, ColumnCategory), "Bills");
    EXPECT_EQ(Cell(document, account, 1, ColumnTotal), "1234.50");  // 1234.50 - 0.004 rounds back
    EXPECT_EQ(Cell(document, account, 1, ColumnPayee), "");
    EXPECT_EQ(Cell(document, account, 1, ColumnMemo), "");

    account.GetTransaction(1).number = -42;
    EXPECT_EQ(Cell(document, account, 1, ColumnNumber), "-42");
}

TEST(TransactionRowsCells, CategoryOutsideTheListIsEmpty) {
    Document document;
    for (const char* name : {"None", "Rent"}) document.AddCategory(Text31(name));
    Account account = MakeAccount(AccountTypeBank, "Checking", "");
    for (std::int32_t category : {-1, 2, 3, 1000, INT_MAX, INT_MIN, 0, 1})
        account.AddTransaction(MakeTransaction(0, 1.0, 1, 1, 2020, category, 0, "", ""));
    for (std::int32_t i = 0; i < 6; ++i)
        EXPECT_EQ(Cell(document, account, i, ColumnCategory), "") << "category " << account.GetTransaction(i).category;
    EXPECT_EQ(Cell(document, account, 6, ColumnCategory), "None");
    EXPECT_EQ(Cell(document, account, 7, ColumnCategory), "Rent");

    const Document noCategories;
    EXPECT_EQ(Cell(noCategories, account, 6, ColumnCategory), "");
}

TEST(TransactionRowsTotals, KindZeroAddsEveryOtherKindSubtracts) {
    for (std::int32_t type : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE("account type " + std::to_string(type));
        Account account = MakeAccount(type, "A", "");
        account.AddTransaction(MakeTransaction(0, 100.0, 1, 1, 2020, 0, 0, "Opening", ""));
        account.AddTransaction(MakeTransaction(1, 30.25, 1, 2, 2020, 0, 0, "", ""));
        account.AddTransaction(MakeTransaction(2, 10.0, 1, 3, 2020, 0, 0, "", ""));
        account.AddTransaction(MakeTransaction(-1, 100.0, 1, 4, 2020, 0, 0, "", ""));
        account.AddTransaction(MakeTransaction(0, 5.5, 1, 5, 2020, 0, 0, "", ""));
        const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, kDateFormatAmerican);
        ASSERT_EQ(rows.totals.size(), 5u);
        const char* expected[] = {"100.00", "69.75", "59.75", "-40.25", "-34.75"};
        for (std::int32_t i = 0; i < 5; ++i)
            EXPECT_EQ(TransactionCellText(Document(), account, rows, i, ColumnTotal, 0), expected[i]) << i;
    }
}

TEST(TransactionRowsTotals, CreditShowsTheAmountOwed) {
    Account card = MakeAccount(AccountTypeCredit, "Visa", "");
    card.AddTransaction(MakeTransaction(0, 250.0, 1, 5, 2026, 0, 0, "Store", ""));  // charge
    card.AddTransaction(MakeTransaction(1, 100.0, 1, 9, 2026, 0, 0, "Bank", ""));   // payment
    const TransactionRows rows = BuildTransactionRows(card, kSortUnsorted, kDateFormatAmerican);
    EXPECT_EQ(TransactionCellText(Document(), card, rows, 0, ColumnTotal, 0), "250.00");
    EXPECT_EQ(TransactionCellText(Document(), card, rows, 1, ColumnTotal, 0), "150.00");
}

TEST(TransactionRowsTotals, SortedRowsKeepTheirStorageTotal) {
    Account account = MakeAccount(AccountTypeBank, "Checking", "");
    account.AddTransaction(MakeTransaction(0, 1000.0, 6, 1, 2024, 0, 0, "Opening", ""));
    account.AddTransaction(MakeTransaction(1, 200.0, 1, 10, 2024, 0, 0, "", ""));  // entered late, dated early
    account.AddTransaction(MakeTransaction(1, 50.0, 12, 31, 2024, 0, 0, "", ""));
    account.AddTransaction(MakeTransaction(0, 10.0, 3, 3, 2024, 0, 0, "", ""));
    const char* storageTotals[] = {"1000.00", "800.00", "750.00", "760.00"};

    for (std::int32_t sort : {kSortAscending, kSortDescending}) {
        SCOPED_TRACE("sort " + std::to_string(sort));
        const TransactionRows rows = BuildTransactionRows(account, sort, kDateFormatAmerican);
        const std::vector<std::int32_t> expectedOrder =
            sort == kSortAscending ? std::vector<std::int32_t>{1, 3, 0, 2} : std::vector<std::int32_t>{2, 0, 3, 1};
        ASSERT_EQ(rows.order, expectedOrder);
        for (std::int32_t index : rows.order)
            EXPECT_EQ(TransactionCellText(Document(), account, rows, index, ColumnTotal, 0), storageTotals[index])
                << "storage index " << index;
    }
}

TEST(TransactionRowsOrder, UnsortedIsStorageOrder) {
    const Account account = AccountWithDates(kMixedDates);
    const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, kDateFormatAmerican);
    EXPECT_EQ(rows.order, (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(BuildTransactionRows(Account(), kSortAscending, 0).order.empty());
}

TEST(TransactionRowsOrder, ByYearThenMonthThenDayInBothFormats) {
    const Account account = AccountWithDates(kMixedDates);
    for (std::int32_t format : {kDateFormatAmerican, kDateFormatEuropean}) {
        SCOPED_TRACE("date format " + std::to_string(format));
        EXPECT_EQ(BuildTransactionRows(account, kSortAscending, format).order, kMixedAscending);
        EXPECT_EQ(BuildTransactionRows(account, kSortDescending, format).order, kMixedDescending);
    }
}

TEST(TransactionRowsOrder, EqualDatesAscendingStableDescendingLaterFirst) {
    // Enough transactions on three dates, interleaved in storage, that an
    // unstable sort would mix up the ties.
    const Ymd days[3] = {{2010, 5, 5}, {2010, 5, 4}, {2011, 1, 1}};
    std::vector<Ymd> dates;
    for (int i = 0; i < 90; ++i) dates.push_back(days[(i * 7 / 3) % 3]);
    const Account account = AccountWithDates(dates);

    std::vector<std::int32_t> ascending, descending;
    for (int day : {1, 0, 2})
        for (std::int32_t i = 0; i < 90; ++i)
            if (dates[i].year == days[day].year && dates[i].day == days[day].day) ascending.push_back(i);
    for (int day : {2, 0, 1})
        for (std::int32_t i = 89; i >= 0; --i)
            if (dates[i].year == days[day].year && dates[i].day == days[day].day) descending.push_back(i);
    EXPECT_EQ(BuildTransactionRows(account, kSortAscending, 0).order, ascending);
    EXPECT_EQ(BuildTransactionRows(account, kSortDescending, 0).order, descending);
}

TEST(TransactionRowsOrder, DateSortKeyIgnoresTheFormat) {
    EXPECT_EQ(DateSortKey("03/07/2002", kDateFormatAmerican), DateSortKey("07/03/2002", kDateFormatEuropean));
    EXPECT_EQ(DateSortKey("12/31/1999", kDateFormatAmerican), DateSortKey("31/12/1999", kDateFormatEuropean));
    EXPECT_NE(DateSortKey("03/07/2002", kDateFormatAmerican), DateSortKey("03/07/2002", kDateFormatEuropean));

    // Each pair: the earlier date first.
    const Ymd pairs[][2] = {
        {{2002, 3, 7}, {2002, 3, 8}},     {{2002, 3, 31}, {2002, 4, 1}},   {{2001, 12, 31}, {2002, 1, 1}},
        {{2002, 1, 15}, {2002, 2, 3}},    {{1999, 9, 9}, {2000, 1, 1}},    {{2002, 11, 30}, {2003, 1, 5}},
    };
    for (std::int32_t format : {kDateFormatAmerican, kDateFormatEuropean}) {
        for (const auto& pair : pairs) {
            const std::string earlier = DateText(pair[0].month, pair[0].day, pair[0].year, format);
            const std::string later = DateText(pair[1].month, pair[1].day, pair[1].year, format);
            EXPECT_LT(DateSortKey(earlier, format), DateSortKey(later, format)) << earlier << " vs " << later;
        }
    }
}

TEST(TransactionRowsOrder, HeaderClicksCycleAndRowsAlternate) {
    EXPECT_EQ(NextSortDate(kSortAscending), kSortDescending);
    EXPECT_EQ(NextSortDate(kSortDescending), kSortUnsorted);
    EXPECT_EQ(NextSortDate(kSortUnsorted), kSortAscending);
    for (std::int32_t start : {0, 1, 2}) EXPECT_EQ(NextSortDate(NextSortDate(NextSortDate(start))), start);

    EXPECT_TRUE(IsShadedRow(0));
    EXPECT_FALSE(IsShadedRow(1));
    EXPECT_TRUE(IsShadedRow(2));
    EXPECT_FALSE(IsShadedRow(3));
    EXPECT_TRUE(IsShadedRow(1000));
    EXPECT_FALSE(IsShadedRow(1001));
}
