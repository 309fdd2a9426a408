#include "model/statements/statement_preview.h"

#include <algorithm>

#include "model/amounts.h"
#include "model/statements/qif_reader.h"

namespace {

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + (count == 1 ? one : many);
}

}  // namespace

std::string PreviewCellText(const Document& document, const Account& account, const PreviewLine& line, int field,
                            std::int32_t dateFormat) {
    if (field == kPreviewStatusColumn) return line.alreadyThere ? "Already in the account" : "New";
    return TransactionFieldText(document, account, line.transaction, field, dateFormat);
}

std::string PreviewSummaryText(const std::vector<PreviewLine>& lines, int unreadableLines) {
    const PreviewTotals totals = TickedTotals(lines);
    std::string text = std::to_string(totals.count) + " of " + Plural(static_cast<int>(lines.size()), " line", " lines") +
                       " will be added: " + AmountText(static_cast<double>(totals.cents) / 100.0) + ".";
    if (unreadableLines > 0)
        text += " " + Plural(unreadableLines, " line could not be read.", " lines could not be read.");
    return text;
}

std::vector<std::string> DateOrderChoices(const std::string& ambiguousDate) {
    std::vector<std::string> choices;
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear}) {
        const bool monthFirst = order == DateOrder::MonthDayYear;
        std::string text = std::string(monthFirst ? "Month first: " : "Day first: ") + ambiguousDate;
        if (const std::optional<Date> date = ReadQifDate(ambiguousDate, order)) {
            const std::string month = kMonthNames[date->month - 1];
            const std::string day = std::to_string(date->day), year = std::to_string(date->year);
            text += " is " + (monthFirst ? month + " " + day + ", " + year : day + " " + month + " " + year);
        }
        choices.push_back(std::move(text));
    }
    return choices;
}

std::string StatementChoiceText(const Statement& statement) {
    const std::string account = statement.accountId.empty() ? "Account" : "Account " + statement.accountId;
    return account + ": " + Plural(static_cast<int>(statement.lines.size()), " transaction", " transactions");
}

std::vector<std::string> CsvColumnChoices(const CsvTable& table, const CsvMapping& mapping) {
    std::size_t columns = 0;
    for (const auto& row : table.rows) columns = std::max(columns, row.size());
    const std::vector<std::string>* header =
        mapping.firstRow > 0 && static_cast<std::size_t>(mapping.firstRow) <= table.rows.size()
            ? &table.rows[static_cast<std::size_t>(mapping.firstRow - 1)]
            : nullptr;
    std::vector<std::string> choices{"(none)"};
    for (std::size_t column = 0; column < columns; ++column) {
        std::string text = std::to_string(column + 1);
        if (header != nullptr && column < header->size()) {
            const std::string name = ProgramText((*header)[column], table.encoding, 40);
            if (!name.empty()) text += ": " + name;
        }
        choices.push_back(std::move(text));
    }
    return choices;
}

std::vector<std::string> CsvIndicatorValues(const CsvTable& table, const CsvMapping& mapping) {
    std::vector<std::string> values;
    if (mapping.indicator < 0) return values;
    const auto rows = static_cast<int>(table.rows.size());
    const int last = mapping.lastRow < 0 || mapping.lastRow >= rows ? rows - 1 : mapping.lastRow;
    // A handful of values at most: an indicator names two directions.
    for (int row = std::max(mapping.firstRow, 0); row <= last && values.size() < 20; ++row) {
        const std::vector<std::string>& cells = table.rows[static_cast<std::size_t>(row)];
        if (static_cast<std::size_t>(mapping.indicator) >= cells.size()) continue;
        std::string value = ProgramText(cells[static_cast<std::size_t>(mapping.indicator)], table.encoding, 40);
        if (!value.empty() && std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(std::move(value));
    }
    return values;
}
