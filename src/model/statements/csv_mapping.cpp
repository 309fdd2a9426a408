#include "model/statements/csv_mapping.h"

#include <algorithm>
#include <cstdlib>

#include "model/case_folding.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t DigitRun(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - at;
}

// The row's amount, negative for money out.
std::optional<std::int64_t> RowCents(const CsvTable& table, int row, const CsvMapping& mapping) {
    if (mapping.debit >= 0 || mapping.credit >= 0) {
        const auto out = ParseAmountCents(CsvCell(table, row, mapping.debit), mapping.decimalMark);
        const auto in = ParseAmountCents(CsvCell(table, row, mapping.credit), mapping.decimalMark);
        if (!out && !in) return std::nullopt;
        return std::llabs(in.value_or(0)) - std::llabs(out.value_or(0));
    }
    const auto cents = ParseAmountCents(CsvCell(table, row, mapping.amount), mapping.decimalMark);
    if (!cents || mapping.indicator < 0) return cents;
    const std::string value = ProgramText(CsvCell(table, row, mapping.indicator), table.encoding, std::string::npos);
    return SameIgnoringCase(value, TrimmedText(mapping.outIndicator)) ? -std::llabs(*cents) : std::llabs(*cents);
}

}  // namespace

std::optional<Date> ReadCsvDate(std::string_view cell, DateOrder order, char separator) {
    cell = TrimmedText(cell);
    const std::size_t yearField = order == DateOrder::YearMonthDay ? 0 : 2;
    const std::size_t run = DigitRun(cell, 0);
    if (separator == 0 && run != 6 && run != 8) return std::nullopt;
    std::int32_t values[3] = {}, widths[3] = {};
    std::size_t at = 0;
    for (std::size_t field = 0; field < 3; ++field) {
        if (separator != 0 && field > 0) {
            if (at == cell.size() || cell[at] != separator) return std::nullopt;
            ++at;
        }
        const std::size_t width = separator == 0 ? (field == yearField ? run - 4 : 2) : DigitRun(cell, at);
        if (field == yearField ? width != 2 && width != 4 : width < 1 || width > 2) return std::nullopt;
        for (std::size_t end = at + width; at < end; ++at) values[field] = values[field] * 10 + (cell[at] - '0');
        widths[field] = static_cast<std::int32_t>(width);
    }
    if (at != cell.size() && cell[at] != ' ' && cell[at] != 'T') return std::nullopt;

    Date date;
    const std::int32_t first = values[0], second = values[1];
    switch (order) {
    case DateOrder::MonthDayYear: date = {FullYear(values[2], widths[2]), first, second}; break;
    case DateOrder::DayMonthYear: date = {FullYear(values[2], widths[2]), second, first}; break;
    case DateOrder::YearMonthDay: date = {FullYear(first, widths[0]), second, values[2]}; break;
    }
    if (!IsStatementDate(date)) return std::nullopt;
    return date;
}

Statement ApplyCsvMapping(const CsvTable& table, const CsvMapping& mapping) {
    Statement statement;
    const int rowCount = static_cast<int>(table.rows.size());
    const int first = std::max(mapping.firstRow, 0);
    const int last = mapping.lastRow < 0 ? rowCount - 1 : std::min(mapping.lastRow, rowCount - 1);
    if (first > last) return statement;
    statement.lines.reserve(static_cast<std::size_t>(last - first + 1));
    const auto text = [&](int row, int column) {
        return ProgramText(CsvCell(table, row, column), table.encoding, kStatementTextCapacity);
    };
    for (int row = first; row <= last; ++row) {
        const auto date = ReadCsvDate(CsvCell(table, row, mapping.date), mapping.dateOrder, mapping.dateSeparator);
        const auto cents = date ? RowCents(table, row, mapping) : std::nullopt;
        if (!cents) {
            ++statement.unreadableLines;
            continue;
        }
        StatementLine& line = statement.lines.emplace_back();
        line.date = *date;
        line.cents = *cents;
        line.payee = text(row, mapping.payee);
        line.memo = text(row, mapping.memo);
        line.category = text(row, mapping.category);
        line.number = ChequeNumber(CsvCell(table, row, mapping.number));
    }
    return statement;
}
