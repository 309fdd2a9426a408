#pragma once
// Reading QIF files: the transactions of their bank, credit card, cash,
// other asset and other liability sections, as one statement.

#include <optional>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/statements/statement.h"

// The result of reading a QIF file. When no date of the file settles whether
// the day or the month comes first and the caller gave no order, the dates
// are read month first and `ambiguousDate` holds the first date that reads
// both ways, as the file writes it, so that the caller can ask.
struct QifRead {
    Statement statement;
    std::string ambiguousDate;
};

// The transactions of every section the program reads, in file order; the
// other sections (investments, categories, accounts, options) are skipped,
// and so is anything before the first section. A date whose first field is
// over 12 settles day first for the whole file, one whose second field is
// over 12 month first; `order` is for files that no date settles. A split
// transaction takes its category from its first split, and its amount from
// the splits' sum when it has no total. The encoding is what the bytes show.
QifRead ReadQifStatement(std::string_view bytes, std::optional<DateOrder> order);

// One QIF date in the given order (MonthDayYear or DayMonthYear; a
// four-digit first field is always year-month-day). std::nullopt when it is
// not a date. A year after an apostrophe ("1/31'19", "1/31' 5") is 2000 and
// more; two digits after another mark go through FullYear.
std::optional<Date> ReadQifDate(std::string_view text, DateOrder order);
