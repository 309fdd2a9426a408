#pragma once
// The text of each field of a transaction, the same wherever it shows: the
// transaction list, the summaries, Find and the editors.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/document.h"

// The fields of a transaction as the tables show them; in the transaction
// list the field is also the column.
enum TransactionColumn : int {
    ColumnNumber = 0,
    ColumnDate,
    ColumnType,
    ColumnAmount,
    ColumnPayee,
    ColumnCategory,
    ColumnMemo,
    ColumnTotal,  // the running total: the transaction list only
};

// Room for the text of any number.
using NumberText = std::array<char, 11>;

// A transaction's number as an unsigned whole number, as the editor reads
// and shows it, so that a number typed past 2147483647 shows as typed. It is
// written into `text`, which must outlive the result.
std::string_view NumberTextOf(std::int32_t number, NumberText& text);
std::string NumberTextOf(std::int32_t number);

// The text of a field other than the running total: the number, the date in
// the date order, the kind's word for the account's type, the amount, the
// payee, the category's name (empty outside the list) and the memo.
std::string TransactionFieldText(const Document& document, const Account& account, const Transaction& t, int field,
                                 std::int32_t dateFormat);
