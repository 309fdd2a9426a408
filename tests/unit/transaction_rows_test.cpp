#include <algorithm>
#include <climits>
#include <numeric>
#include <random>

#include "model/program_values.h"
#include "model/tables/transaction_rows.h"
#include "test_files.h"

namespace {

// Storage indices stably sorted by the key of each transaction's date text.
std::vector<std::int32_t> OrderByTextKey(const Account& account, std::int32_t format) {
    std::vector<std::int32_t> order(account.transactions.size());
    std::iota(order.begin(), order.end(), 0);
    std::ranges::stable_sort(order, {}, [&](std::int32_t i) {
        const Transaction& t = account.transactions[static_cast<std::size_t>(i)];
        return DateSortKey(DateText(t.month, t.day, t.year, format), format);
    });
    return order;
}

std::vector<std::int32_t> RowOrder(const TransactionRows& rows) {
    std::vector<std::int32_t> order;
    for (std::int32_t row = 0; row < rows.count; ++row) order.push_back(StorageIndexOnRow(rows, row));
    return order;
}

}  // namespace

TEST(TransactionRows, EveryCellAndAnEmptyCategoryOutsideTheList) {
    Document document;
    for (const char* name : {"None", "Bills", "Groceries"}) document.AddCategory(name);
    Account account{.type = AccountTypeCredit};
    account.AddTransaction({1234.5, 0, 3, 7, 2002, 2, 1001, "Market", "weekly shop"});
    account.AddTransaction({0.004, -3, 11, 25, 1999, 1, -42, "", ""});  // any nonzero kind is the second word
    for (std::int32_t category : {-1, 3, INT_MAX, INT_MIN})
        account.AddTransaction({1.0, 0, 1, 1, 2020, category, 0, "", ""});
    auto cell = [&](std::int32_t index, int column, std::int32_t format = kDateFormatAmerican) {
        const TransactionRows rows = BuildTransactionRows(account, kSortUnsorted, format);
        return TransactionCellText(document, account, rows, index, column, format);
    };

    const char* first[] = {"1001", "03/07/2002", "Charge", "1234.50", "Market", "Groceries", "weekly shop", "1234.50"};
    const char* second[] = {"4294967254", "11/25/1999", "Payment", "0.00", "", "Bills", "", "1234.50"};
    for (int column = ColumnNumber; column <= ColumnTotal; ++column) {
        EXPECT_EQ(cell(0, column), first[column]) << "column " << column;
        EXPECT_EQ(cell(1, column), second[column]) << "column " << column;
    }
    EXPECT_EQ(cell(0, ColumnDate, kDateFormatEuropean), "07/03/2002");
    for (std::int32_t i = 2; i < 6; ++i)
        EXPECT_EQ(cell(i, ColumnCategory), "") << "category " << account.GetTransaction(i).category;
    // The Type column in the words of every account type; an unknown one reads as Other.
    for (auto [type, words] : {std::pair<std::int32_t, const char*>{AccountTypeBank, "Deposit Withdrawal"},
                               {AccountTypeBudget, "Receive Spend"}, {AccountTypeCash, "Receive Spend"},
                               {AccountTypeOther, "Deposit Withdrawal"}, {9, "Deposit Withdrawal"}}) {
        account.type = type;
        EXPECT_EQ(cell(0, ColumnType) + " " + cell(1, ColumnType), words) << type;
    }
}

TEST(TransactionRows, DatesOutsideTheUsualDigitsSortByTheirTextLikeTheOthers) {
    // Ordinary dates are keyed from their numbers without formatting the
    // text; around the limits of that shortcut (years of 3 to 5 digits,
    // months and days of 1 to 3 digits or negative) both keys must agree.
    Account account;
    for (std::int32_t year : {-1, 0, 99, 999, 1000, 1001, 9998, 9999, 10000, 10001})
        for (std::int32_t month : {-1, 0, 1, 9, 10, 12, 99, 100})
            for (std::int32_t day : {-1, 0, 1, 9, 10, 31, 99, 100}) account.AddTransaction({1.0, 0, month, day, year});
    // Shuffled, so that dates whose texts tie are stored out of date order.
    std::shuffle(account.transactions.begin(), account.transactions.end(), std::mt19937(7));

    for (std::int32_t format : {kDateFormatAmerican, kDateFormatEuropean}) {
        SCOPED_TRACE("date format " + std::to_string(format));
        EXPECT_EQ(RowOrder(BuildTransactionRows(account, kSortAscending, format)), OrderByTextKey(account, format));
    }
}

TEST(TransactionRows, HeaderClicksCycleAscendingDescendingUnsorted) {
    EXPECT_EQ(NextSortDate(kSortAscending), kSortDescending);
    EXPECT_EQ(NextSortDate(kSortDescending), kSortUnsorted);
    EXPECT_EQ(NextSortDate(kSortUnsorted), kSortAscending);
}

TEST(TransactionRows, DatesSortStablyEitherWayAndTotalsFollowStorageOrderAcrossRefills) {
    // Random ordinary dates over the whole range the number sort takes, ties
    // interleaved in storage, any kind, and amounts whose sums round
    // differently in another order.
    std::mt19937 random(11);
    Account account;
    for (int i = 0; i < 5000; ++i) {
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
        account.AddTransaction({pick(1, 99999) / 100.0 + 1e-7 * pick(0, 9), pick(-1, 2), pick(0, 99), pick(0, 99),
                                i % 3 == 0 ? 2024 : pick(1000, 9999)});
    }
    // Ascending is by date, equal dates in storage order; the text key orders alike in both formats.
    std::vector<std::int32_t> ascending(account.transactions.size());
    std::iota(ascending.begin(), ascending.end(), 0);
    std::ranges::stable_sort(ascending, {}, [&](std::int32_t i) {
        const Transaction& t = account.transactions[static_cast<std::size_t>(i)];
        return std::tuple(t.year, t.month, t.day);
    });
    EXPECT_EQ(OrderByTextKey(account, kDateFormatAmerican), ascending);
    EXPECT_EQ(OrderByTextKey(account, kDateFormatEuropean), ascending);
    TransactionRows rows;
    for (std::int32_t sort : {kSortAscending, kSortUnsorted, kSortDescending}) {
        SCOPED_TRACE("sort " + std::to_string(sort));
        BuildTransactionRows(account, sort, kDateFormatEuropean, rows);  // refilled over the last fill
        std::vector<std::int32_t> expected = ascending;
        if (sort == kSortUnsorted) std::iota(expected.begin(), expected.end(), 0);
        if (sort == kSortDescending) std::reverse(expected.begin(), expected.end());
        EXPECT_EQ(RowOrder(rows), expected);
        double total = 0.0;  // kind 0 adds, any other kind subtracts
        for (std::int32_t i = 0; i < account.TransactionCount(); ++i) {
            const Transaction& t = account.GetTransaction(i);
            total += t.kind == 0 ? t.amount : -t.amount;
            ASSERT_EQ(RunningTotal(account, rows, i), total) << i;
        }
    }
    // Rows of a longer account than today's show no total instead of reading outside it.
    account.transactions.resize(10);
    EXPECT_EQ(RunningTotal(account, rows, 10), 0.0);
}

