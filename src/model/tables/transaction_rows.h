#pragma once
// What the transaction list shows: one row per transaction of the current
// account, a running total in storage order, and the optional date order.

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/tables/list_columns.h"
#include "model/tables/transaction_text.h"

// The rows of one account as the list shows them. Kept from one fill to the
// next, so that refilling a large account reuses its memory.
struct TransactionRows {
    std::int32_t count = 0;              // one row per transaction
    std::vector<std::int32_t> order;     // storage index on each row; empty when in storage order
    std::vector<double> checkpoints;     // running total before every kTotalStride-th transaction
    std::vector<std::uint32_t> scratch;  // the date sort's working space
};

// Running totals are summed from the nearest checkpoint when a cell is shown.
inline constexpr std::int32_t kTotalStride = 64;

// Fills `rows` for the account: the running total checkpoints (the signed
// amounts of the balance, in storage order) and the row order for SortDate:
// storage order when unsorted, else by date; ascending keeps storage order
// among equal dates, descending puts the later-stored one first.
void BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat,
                          TransactionRows& rows);
TransactionRows BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat);

// The storage index of the transaction on `row` (0 <= row < rows.count).
inline std::int32_t StorageIndexOnRow(const TransactionRows& rows, std::int32_t row) {
    return rows.order.empty() ? row : rows.order[static_cast<std::size_t>(row)];
}

// The running total after the transaction at `storageIndex`, as the rows were
// built: the same additions in the same order as one pass from the first.
double RunningTotal(const Account& account, const TransactionRows& rows, std::int32_t storageIndex);

// The list's columns, a field each in field order; the last one's title is
// the account type's balance title.
inline constexpr ListColumn kTransactionListColumns[] = {
    {ColumnNumber, "#", 50},     {ColumnDate, "Date", 75},         {ColumnType, "Type", 75},
    {ColumnAmount, "Amount", 75}, {ColumnPayee, "Payee", 85},      {ColumnCategory, "Category", 85},
    {ColumnMemo, "Memo", 85},     {ColumnTotal, "", 75},
};
inline constexpr int kTransactionListColumnCount = static_cast<int>(std::size(kTransactionListColumns));

// The text of one cell of the row for `storageIndex`: the field's text, or
// the running total.
std::string TransactionCellText(const Document& document, const Account& account, const TransactionRows& rows,
                                std::int32_t storageIndex, int column, std::int32_t dateFormat);

// The sort key of a date text ("%02d/%02d/%d" in either order): year, month
// and day taken from their fixed positions, packed so that comparing keys
// compares the texts byte by byte.
std::uint64_t DateSortKey(const std::string& dateText, std::int32_t dateFormat);

// The date order after a click on the Date header: ascending, descending,
// unsorted, ascending again.
std::int32_t NextSortDate(std::int32_t sortDate);

// Rows are shaded alternately from the top of the list: even rows get this
// background, odd rows white.
inline constexpr std::uint8_t kShadedRowColour[3] = {233, 236, 239};
inline bool IsShadedRow(int row) { return row % 2 == 0; }
