#pragma once
// A bank statement as its readers give it, whatever the file's format: the
// lines in file order and what the file says of the account.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/dates.h"

struct StatementLine {
    Date date;
    // Signed, in cents: negative is money out of the holder's account,
    // whatever the format's own convention.
    std::int64_t cents = 0;
    // Texts are in the program's code page and fit the data file's fields.
    std::string payee;
    std::string memo;
    std::string category;  // a category the file names (QIF "L", a CSV column); empty for none
    std::int32_t number = 0;  // a cheque number; 0 for none
    std::string bankId;       // the bank's own id of the line (OFX FITID); empty for none
};

// A balance the bank gives at a date.
struct StatementBalance {
    std::int64_t cents = 0;
    Date date;
};

struct Statement {
    std::string accountId;  // the bank's account number (OFX ACCTID); empty when the file has none
    std::vector<StatementLine> lines;
    // Transactions the file has but whose date or amount could not be read;
    // they are left out of `lines`.
    int unreadableLines = 0;
    std::optional<StatementBalance> ledgerBalance;  // OFX LEDGERBAL
};

// The order of a numeric date's fields.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Whether a date read from a statement is one a transaction can have: a day
// of its month in a year of four digits.
inline bool IsStatementDate(const Date& date) {
    return date.year >= 1000 && date.year <= 9999 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= MonthLength(date.month, date.year);
}
