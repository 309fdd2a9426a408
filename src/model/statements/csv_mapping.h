#pragma once
// The cells of a CSV table as a statement: which rows and columns hold the
// transactions and how their dates and amounts are written. The import
// preview starts from a guess, lets the user change it, and keeps it as a
// named profile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/statements/csv_table.h"
#include "model/statements/statement.h"
#include "model/statements/statement_amounts.h"

struct CsvMapping {
    // The data rows, 0-based and inclusive; a negative lastRow runs to the
    // last row. They leave out a preamble, the header and rows of totals.
    int firstRow = 0, lastRow = -1;
    // Column indexes, -1 for none.
    int date = -1, payee = -1, memo = -1, number = -1, category = -1;
    // The amount is one signed column `amount`; or a `debit` (money out) and
    // a `credit` (money in) column, used instead of `amount` when either is
    // mapped, their signs ignored; or `amount` with an `indicator` column,
    // whose value alone gives the direction.
    int amount = -1, debit = -1, credit = -1, indicator = -1;
    // The indicator value that means money out, in the program's code page,
    // compared ignoring case and blanks around it; any other means money in.
    std::string outIndicator;
    DateOrder dateOrder = DateOrder::MonthDayYear;
    char dateSeparator = '/';  // '/', '.', '-' or ' '; 0 for none ("20190131")
    DecimalMark decimalMark = DecimalMark::Period;

    friend bool operator==(const CsvMapping&, const CsvMapping&) = default;
};

// A first guess. The header is the first row that names a date column and
// the amount's columns, in English or a few common German, French, Spanish
// and Dutch words; without one, the columns are found from what the cells
// hold. The data rows start after the header and end before trailing rows
// whose date does not read (totals). The date's separator is the one most
// date cells show, its order the one that reads the most rows (month first
// when several do); the decimal mark the one that reads the most amounts,
// then the one their digits show, then the comma in a file delimited by ';'.
// An indicator is mapped only when the amounts carry no sign and one of its
// values names money out ("Debit", "DR", "S", ...).
CsvMapping GuessCsvMapping(const CsvTable& table);

// The mapped rows as statement lines. A row whose date does not read, or
// whose amount does not (no amount column mapped, or neither of debit and
// credit reads), counts in unreadableLines. Texts are in the program's code
// page, cut to kStatementTextCapacity; the number is the cell's when it is
// all digits, else 0.
Statement ApplyCsvMapping(const CsvTable& table, const CsvMapping& mapping);

// A date cell in the given order and separator: day and month of one or two
// digits, a year of two (see FullYear) or four; without a separator six or
// eight digits. A time after a space or 'T' is ignored ("2019-01-31 00:00:00").
// std::nullopt when it does not read, or the date fails IsStatementDate.
std::optional<Date> ReadCsvDate(std::string_view cell, DateOrder order, char separator);

// A mapping as one line of printable ASCII for the registry:
//   csv1;first=1;last=-1;date=0;payee=1;...;order=dmy;separator=period;mark=comma;out=DR
// with every key once and the out value's other bytes and "%;=" as %XX.
std::string CsvProfileText(const CsvMapping& mapping);
// The mapping of a profile's text; std::nullopt for any text that is not
// one as CsvProfileText writes them (a damaged or foreign value).
std::optional<CsvMapping> CsvMappingOfProfile(std::string_view text);
