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
    std::optional<StatementBalance> ledgerBalance;  // OFX LEDGERBAL
};

// What a reader says when a file gives no statement.
enum class StatementError {
    None,
    NoTransactions,  // not a statement of this format, empty, or no line read
};
