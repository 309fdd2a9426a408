#include "model/amounts.h"
#include "model/tables/summary_rows.h"
#include "test_files.h"

namespace {

using SummaryRow = std::vector<std::string>;
using Rows = std::vector<SummaryRow>;

// Every cell's text, as the table asks for them.
Rows Texts(const Document& document, const Account& account, const SummaryLines& summary, std::int32_t dateFormat) {
    Rows rows(summary.lines.size(), SummaryRow(summary.columns.size()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            rows[row][column] = SummaryCellText(document, account, summary, row, column, dateFormat);
    return rows;
}

// One category's rows: an empty row, the name under "Amount", an empty row,
// the transactions, an empty row and the two totals lines under "Memo".
Rows CategoryGroup(const char* name, const Rows& transactions, const char* in, const char* out) {
    const SummaryRow empty(6);
    Rows rows = {empty, {"", "", "", name, "", ""}, empty};
    rows.insert(rows.end(), transactions.begin(), transactions.end());
    rows.insert(rows.end(), {empty, {"", "", "", "", "", in}, {"", "", "", "", "", out}});
    return rows;
}

// None, Bills, Groceries, Rent; one account of `type` with `transactions`.
Document OneAccount(std::int32_t type, std::vector<Transaction> transactions) {
    Document document = MakeSampleDocument();
    document.ClearAccounts();
    document.AddAccount({.type = type, .transactions = std::move(transactions)});
    return document;
}

}  // namespace

TEST(SummaryByCategory, GroupAndTotalsInTheWordsOfTheAccountType) {
    // Any nonzero kind counts with the second total; Bills is not chosen.
    const Document document = OneAccount(AccountTypeCredit, {{100.0, 0, 1, 2, 2025, 2, 12, "Employer", "Pay"},
                                                             {8.0, 1, 1, 3, 2025, 1, 0, "Phone", ""},
                                                             {30.0, 3, 1, 4, 2025, 2, -5, "", "Shop"}});
    EXPECT_EQ(Texts(document, document.GetAccount(0), CategorySummaryRows(document, document.GetAccount(0), {2}),
                    kDateFormatAmerican),
              CategoryGroup("Groceries",
                            {{"12", "01/02/2025", "Charge", "100.00", "Employer", "Pay"},
                             {"4294967291", "01/04/2025", "Payment", "30.00", "", "Shop"}},
                            "Charges:  100.00", "Payments:  30.00"));
}

TEST(SummaryByCategory, NeedsACategoryPicked) {
    EXPECT_EQ(CategorySummaryRefusal({}), &kSelectCategory);
    EXPECT_EQ(CategorySummaryRefusal({0}), nullptr);
}

TEST(SummaryByCategory, ChosenCategoriesOnceEachInListOrderWithNoneForTheUncategorized) {
    Document document = MakeSampleDocument();  // other accounts hold None and Bills transactions too
    const Account& checking = document.GetAccount(0);
    // Reverse order, a duplicate and positions outside the list; Rent has no transactions.
    const Rows rows =
        Texts(document, checking, CategorySummaryRows(document, checking, {3, 0, 4, 3, -1, 99}), kDateFormatEuropean);
    Rows expected = CategoryGroup("None", {{"0", "15/01/2026", "Deposit", "1200.00", "Employer", "Pay"}},
                                  "Deposits:  1200.00", "Withdrawals:  0.00");
    const Rows rent = CategoryGroup("Rent", {}, "Deposits:  0.00", "Withdrawals:  0.00");
    expected.insert(expected.end(), rent.begin(), rent.end());
    EXPECT_EQ(rows, expected);

    EXPECT_EQ(CategorySummaryRows(document, checking, {}).lines.size(), 0u);
    EXPECT_EQ(CategorySummaryRows(document, checking, {-1, 4, 1 << 30}).lines.size(), 0u);
    EXPECT_EQ(SummaryCellText(document, checking, CategorySummaryRows(document, checking, {0}), 99, 0, 0), "")
        << "outside the table";
}

TEST(SummaryByMonth, TheMonthsTransactionsWithTheirCategoryThenTotals) {
    const Document document = OneAccount(AccountTypeBank, {
        {100.0, 0, 3, 5, 2024, 2, 7, "Market", "weekly"},
        {30.0, 1, 3, 20, 2023, 2, 0, "Last year", ""},  // the same month of another year
        {30.0, 1, 3, 31, 2024, 9, -2, "Outside", "the list"},
        {5.0, 0, 4, 1, 2024, 0, 0, "Next month", ""},
        {12.5, 2, 3, 1, 2024, 0, 0, "", ""},
    });
    const SummaryRow empty(7);
    EXPECT_EQ(Texts(document, document.GetAccount(0), MonthSummaryRows(document.GetAccount(0), 3, 2024), kDateFormatEuropean),
              (Rows{{"7", "05/03/2024", "Deposit", "100.00", "Market", "Groceries", "weekly"},
                    {"4294967294", "31/03/2024", "Withdrawal", "30.00", "Outside", "", "the list"},
                    {"0", "01/03/2024", "Withdrawal", "12.50", "", "None", ""},
                    empty,
                    {"", "", "", "", "", "", "Deposits:  100.00"},
                    {"", "", "", "", "", "", "Withdrawals:  42.50"}}));
    // A month without transactions.
    EXPECT_EQ(Texts(document, document.GetAccount(0), MonthSummaryRows(document.GetAccount(0), 2, 2024), kDateFormatAmerican),
              (Rows{empty, {"", "", "", "", "", "", "Deposits:  0.00"},
                    {"", "", "", "", "", "", "Withdrawals:  0.00"}}));
}
