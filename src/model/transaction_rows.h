#pragma once
// What the transaction list shows: one row per transaction of the current
// account, a running total in storage order, and the optional date order.

#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"

// The rows of one account as the list shows them.
struct TransactionRows {
    std::vector<std::int32_t> order;  // storage index of the transaction on each row
    std::vector<double> totals;       // running total after each transaction, by storage index
};

// Running totals in storage order (the signed amounts of the balance) and
// the row order for SortDate: storage order when unsorted, else by date;
// ascending keeps storage order among equal dates, descending puts the
// later-stored one first.
TransactionRows BuildTransactionRows(const Account& account, std::int32_t sortDate, std::int32_t dateFormat);

// List columns.
enum TransactionColumn : int {
    ColumnNumber = 0,
    ColumnDate,
    ColumnType,
    ColumnAmount,
    ColumnPayee,
    ColumnCategory,
    ColumnMemo,
    ColumnTotal,
};

// The text of one cell of the row for `storageIndex`. A category outside the
// list shows as empty text.
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
