#pragma once
// What the Summary by Category and Summary by Month dialogs show: the
// current account's transactions of the chosen categories or month as rows
// of cell texts, with the totals lines that close each group.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/tables/list_columns.h"
#include "model/messages.h"
#include "model/tables/transaction_text.h"

// The columns of the two tables: transaction fields. A category's name
// heads its group in "Amount"; the totals lines stand in "Memo", the last.
inline constexpr ListColumn kCategorySummaryColumns[] = {
    {ColumnNumber, "#", 50},       {ColumnDate, "Date", 75},   {ColumnType, "Type", 75},
    {ColumnAmount, "Amount", 100}, {ColumnPayee, "Payee", 100}, {ColumnMemo, "Memo", 125},
};
inline constexpr ListColumn kMonthSummaryColumns[] = {
    {ColumnNumber, "#", 50},      {ColumnDate, "Date", 75},    {ColumnType, "Type", 75},
    {ColumnAmount, "Amount", 75}, {ColumnPayee, "Payee", 100}, {ColumnCategory, "Category", 100},
    {ColumnMemo, "Memo", 125},
};

// One row of a summary, its texts made only when the table asks for them, so
// that a summary of any size is ready at once.
struct SummaryLine {
    enum Kind : std::uint8_t {
        Blank,
        CategoryName,  // `value` is the category; its name stands in "Amount"
        TransactionRow,  // `value` is the transaction's position in the account
        InTotal,   // `value` is the group; the totals lines stand in the last column
        OutTotal,
    };
    Kind kind = Blank;
    std::int32_t value = 0;
};

struct SummaryLines {
    std::span<const ListColumn> columns;
    std::vector<SummaryLine> lines;
    std::vector<InOutSums> totals;  // per group
};

// The text of one cell ("" for an empty one, and outside the table).
std::string SummaryCellText(const Document& document, const Account& account, const SummaryLines& summary,
                            std::size_t row, std::size_t column, std::int32_t dateFormat);

// "Generate Summary" needs a category picked: otherwise the table is emptied
// and the message "Select at least one category." shown; nullptr when the
// summary can be made.
inline const Message* CategorySummaryRefusal(const std::vector<std::int32_t>& categories) {
    return categories.empty() ? &kSelectCategory : nullptr;
}

// The category summary of `account` for the categories at `categories`
// (positions, taken in ascending order whatever order they come in): per
// category an empty row, its name in "Amount", an empty row, its transactions
// in the account's order, an empty row, and the two totals lines in "Memo"
// ("Deposits:  %.02f" and "Withdrawals:  %.02f" in a Bank account, in the
// words of the account's type). A category without transactions still has
// its heading and its totals at 0.00.
SummaryLines CategorySummaryRows(const Document& document, const Account& account, std::vector<std::int32_t> categories);

// The month summary of `account`: its transactions of that month of that
// year in the account's order, then an empty row and the two totals lines in
// "Memo". The "Category" column shows the category's name (empty for a
// reference outside the list).
SummaryLines MonthSummaryRows(const Account& account, std::int32_t month, std::int32_t year);
