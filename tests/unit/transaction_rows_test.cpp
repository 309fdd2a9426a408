// The transaction list: kind words, cell texts, running totals in storage
// order, the date orders and the header click cycle.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <string>
#include <vector>

#include "model/dates.h"
#include "model/program_values.h"
#include "model/transaction_rows.h"
#include "test_files.h"

TEST(TransactionRows, KindWordsAndLastColumnTitleByAccountType) {
    struct Case {
        std::int32_t type;
        const char* first;
        const char* second;
        const char* title;
    };
    const Case cases[] = {
        {AccountTypeBank, "Deposit", "Withdrawal", "Balance"}, {AccountTypeCredit, "Charge", "Payment", "Balance"},
        {AccountTypeBudget, "Receive", "Spend", "Left"}, {AccountTypeCash, "Receive", "Spend", "Left"},
        {AccountTypeOther, "Deposit", "Withdrawal", "Balance"}, {9, "Deposit", "Withdrawal", "Balance"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        EXPECT_STREQ(KindWord(c.type, 0), c.first);
        for (std::int32_t kind : {1, 2, -1, INT_MIN}) EXPECT_STREQ(KindWord(c.type, kind), c.second) << kind;
        EXPECT_STREQ(BalanceColumnTitle(c.type), c.title);
    }
}

TEST(TransactionRows, EveryCellAndAnEmptyCategoryOutsideTheList) {
    Document document;
    for (const char* name : {"None", "Bills", "Groceries"}) document.AddCategory(Text31(name));
    Account account = MakeAccount(AccountTypeCredit, "Visa", "");
    account.AddTransaction({0, 1234.5, 3, 7, 2002, 2, 1001, "Market", "weekly shop"});
    account.AddTransaction({3, 0.004, 11, 25, 1999, 1, -42, "", ""});
    for (std::int32_t category : {-1, 3, INT_MAX, INT_MIN})
        account.AddTransaction({0, 1.0, 1, 1, 2020, category, 0, "", ""});
    auto cell = [&](std::int32_t index, int column, std::int32_t format = kDateFormatAmerican) {
        const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, format);
        return TransactionCellText(document, account, rows, index, column, format);
    };

    const char* first[] = {"1001", "03/07/2002", "Charge", "1234.50", "Market", "Groceries", "weekly shop", "1234.50"};
    const char* second[] = {"-42", "11/25/1999", "Payment", "0.00", "", "Bills", "", "1234.50"};
    for (int column = ColumnNumber; column <= ColumnTotal; ++column) {
        EXPECT_EQ(cell(0, column), first[column]) << "column " << column;
        EXPECT_EQ(cell(1, column), second[column]) << "column " << column;
    }
    EXPECT_EQ(cell(0, ColumnDate, kDateFormatEuropean), "07/03/2002");
    for (std::int32_t i = 2; i < 6; ++i)
        EXPECT_EQ(cell(i, ColumnCategory), "") << "category " << account.GetTransaction(i).category;
}

TEST(TransactionRows, RunningTotalsFollowStorageOrderAlsoWhenSorted) {
    // Kind 0 adds, any other kind subtracts; entered out of date order.
    Account account = MakeAccount(AccountTypeBank, "Checking", "");
    account.AddTransaction({0, 1000.0, 6, 1, 2024, 0, 0, "", ""});
    account.AddTransaction({1, 200.0, 1, 10, 2024, 0, 0, "", ""});
    account.AddTransaction({2, 50.25, 12, 31, 2024, 0, 0, "", ""});
    account.AddTransaction({-1, 1000.0, 3, 3, 2024, 0, 0, "", ""});
    account.AddTransaction({0, 10.0, 2, 2, 2024, 0, 0, "", ""});
    const char* totals[] = {"1000.00", "800.00", "749.75", "-250.25", "-240.25"};
    const std::vector<std::int32_t> orders[] = {{1, 4, 3, 0, 2}, {2, 0, 3, 4, 1}, {0, 1, 2, 3, 4}};

    for (std::int32_t sort : {kSortAscending, kSortDescending, kSortUnsorted}) {
        SCOPED_TRACE("sort " + std::to_string(sort));
        const TransactionRows rows = BuildTransactionRows(account, sort, kDateFormatAmerican);
        EXPECT_EQ(rows.order, orders[sort]);
        for (std::int32_t index = 0; index < 5; ++index)
            EXPECT_EQ(TransactionCellText(Document(), account, rows, index, ColumnTotal, 0), totals[index]) << index;
    }
}

TEST(TransactionRows, DateOrderStableAscendingLaterFirstDescendingInBothFormats) {
    // Dates whose order differs from that of their text's first field, then
    // enough equal dates interleaved in storage that an unstable sort mixes them up.
    std::vector<Date> dates = {{2002, 2, 3}, {2001, 12, 1}, {2003, 1, 5}, {2002, 1, 15}, {2002, 11, 30}, {2002, 2, 20}};
    const Date ties[3] = {{2010, 5, 5}, {2010, 5, 4}, {2011, 1, 1}};
    for (int i = 0; i < 90; ++i) dates.push_back(ties[(i * 7 / 3) % 3]);
    Account account;
    for (const Date& d : dates) account.AddTransaction({0, 1.0, d.month, d.day, d.year, 0, 0, "", ""});

    std::vector<std::int32_t> storage(dates.size());
    std::iota(storage.begin(), storage.end(), 0);
    std::vector<std::int32_t> ascending = storage;
    std::stable_sort(ascending.begin(), ascending.end(), [&](auto a, auto b) { return dates[a] < dates[b]; });
    const std::vector<std::int32_t> descending(ascending.rbegin(), ascending.rend());

    for (std::int32_t format : {kDateFormatAmerican, kDateFormatEuropean}) {
        SCOPED_TRACE("date format " + std::to_string(format));
        EXPECT_EQ(BuildTransactionRows(account, kSortAscending, format).order, ascending);
        EXPECT_EQ(BuildTransactionRows(account, kSortDescending, format).order, descending);
        EXPECT_EQ(BuildTransactionRows(account, kSortUnsorted, format).order, storage);
        // The key of a date text, in either format, orders as the date does.
        auto key = [&](const Date& d) { return DateSortKey(DateText(d.month, d.day, d.year, format), format); };
        for (std::size_t i = 0; i + 1 < dates.size(); ++i)
            EXPECT_EQ(key(dates[i]) < key(dates[i + 1]), dates[i] < dates[i + 1]) << i;
    }
    EXPECT_EQ(DateSortKey("03/07/2002", kDateFormatAmerican), DateSortKey("07/03/2002", kDateFormatEuropean));
}

TEST(TransactionRows, HeaderClicksCycleAscendingDescendingUnsorted) {
    EXPECT_EQ(NextSortDate(kSortAscending), kSortDescending);
    EXPECT_EQ(NextSortDate(kSortDescending), kSortUnsorted);
    EXPECT_EQ(NextSortDate(kSortUnsorted), kSortAscending);
}
