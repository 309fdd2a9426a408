// The first guess of a CSV mapping: the columns from the header's names, or
// from what the cells hold when no row names them, then the data rows and
// the readings of their dates and amounts.

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "model/statements/csv_mapping.h"

namespace {

// Rows looked through for the header, or for the columns of a file without one.
constexpr int kSampleRows = 50;
// The bytes of a cell read as a header's name: names are short, and the cap
// keeps a file of long cells quick to look through.
constexpr std::size_t kNameBytes = 100;

// A field's header names as folded words (see Words), the likelier first.
constexpr std::string_view kDateNames = "date|datum|fecha|buchungstag|buchungsdatum|valutadatum|wertstellung|posted";
constexpr std::string_view kIndicatorNames =
    "debit credit|credit debit|dr cr|cr dr|af bij|soll haben|indicator|direction|type|typ|sens|tipo";
constexpr std::string_view kDebitNames =
    "debit|debits|withdrawal|withdrawals|paid out|money out|out|outflow|soll|ausgang|ausgaben|debe|cargo|cargos";
constexpr std::string_view kCreditNames =
    "credit|credits|deposit|deposits|paid in|money in|in|inflow|haben|eingang|einnahmen|haber|abono|abonos";
constexpr std::string_view kAmountNames = "amount|amt|montant|betrag|importe|bedrag|umsatz";
constexpr std::string_view kPayeeNames =
    "payee|description|name|details|merchant|counterparty|beneficiary|narrative|empfanger|empfaenger|auftraggeber|"
    "begunstigter|beguenstigter|libelle|beneficiaire|concepto|descripcion|beneficiario|omschrijving|naam|tegenpartij";
constexpr std::string_view kMemoNames =
    "memo|notes|note|reference|ref|comment|comments|purpose|verwendungszweck|referenz|commentaire|referencia|"
    "observaciones|mededelingen";
constexpr std::string_view kCategoryNames = "category|kategorie|categorie|categoria";
constexpr std::string_view kNumberNames = "check|cheque|chk|scheck";
// Names of the number only when alone: "Card No." and "Konto-Nr." are not cheques.
constexpr std::string_view kLoneNumberNames = "number|num|no|nr|nummer|numero";
// Indicator values that mean money out.
constexpr std::string_view kOutNames = "debit|dr|d|out|withdrawal|s|soll|af|debe|cargo";

// The Latin-1 letters 0xC0 to 0xDF without their accents (0xE0 to 0xFE are
// their small forms); the multiplication and division signs part words.
constexpr std::string_view kUnaccented = "aaaaaaaceeeeiiiidnooooo ouuuuyts";

// The cell's words, lower case and without accents, each with a space on
// both sides: " posting date ". Latin-1 letters are read in either encoding.
std::string Words(std::string_view cell, TextEncoding encoding) {
    std::string words = " ";
    for (std::size_t i = 0; i < cell.size(); ++i) {
        auto c = static_cast<unsigned char>(cell[i]);
        bool latin = encoding == TextEncoding::Windows1252;
        if (!latin && c == 0xC3 && i + 1 < cell.size()) {
            const auto next = static_cast<unsigned char>(cell[i + 1]);
            if (next >= 0x80 && next <= 0xBF) c = next + 0x40, latin = true, ++i;
        }
        char letter = ' ';
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) letter = static_cast<char>(c);
        if (c >= 'A' && c <= 'Z') letter = static_cast<char>(c - 'A' + 'a');
        if (c >= 0xC0 && latin) letter = c == 0xFF ? 'y' : kUnaccented[c & 0x1F];
        if (letter != ' ' || words.back() != ' ') words.push_back(letter);
    }
    if (words.back() != ' ') words.push_back(' ');
    return words;
}

// Whether `words` holds `name` as whole words.
bool HasWords(std::string_view words, std::string_view name) {
    for (std::size_t at = words.find(name); at != std::string_view::npos; at = words.find(name, at + 1))
        if (words[at - 1] == ' ' && words[at + name.size()] == ' ') return true;
    return false;
}

// Whether `words` is `name` and nothing else.
bool IsOnly(std::string_view words, std::string_view name) {
    return words.size() == name.size() + 2 && HasWords(words, name);
}

// Whether `found` holds for one of the '|'-separated names, tried in order.
template <typename Found>
bool AnyName(std::string_view names, Found found) {
    for (std::size_t start = 0; start <= names.size();) {
        const std::size_t end = std::min(names.find('|', start), names.size());
        if (found(names.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

// The columns a header row names; false when it names no date and amount.
bool ReadHeader(const std::vector<std::string>& cells, TextEncoding encoding, CsvMapping& mapping) {
    std::vector<std::string> words;
    for (const std::string& cell : cells) words.push_back(Words(std::string_view(cell).substr(0, kNameBytes), encoding));
    std::vector<bool> taken(cells.size());
    // The first column not taken that has the likeliest name.
    const auto find = [&](std::string_view names, bool alone = false) {
        std::size_t found = words.size();
        AnyName(names, [&](std::string_view name) {
            for (found = 0; found < words.size(); ++found)
                if (!taken[found] && (alone ? IsOnly(words[found], name) : HasWords(words[found], name)))
                    return true;
            return false;
        });
        if (found == words.size()) return -1;
        taken[found] = true;
        return static_cast<int>(found);
    };
    mapping.date = find(kDateNames);
    mapping.indicator = find(kIndicatorNames);
    mapping.debit = find(kDebitNames);
    mapping.credit = find(kCreditNames);
    if (mapping.debit < 0 || mapping.credit < 0) {
        // Only the pair counts: a lone "in" may be part of "Amount in EUR".
        for (int column : {mapping.debit, mapping.credit})
            if (column >= 0) taken[static_cast<std::size_t>(column)] = false;
        mapping.debit = mapping.credit = -1;
        mapping.amount = find(kAmountNames);
    }
    mapping.payee = find(kPayeeNames);
    mapping.memo = find(kMemoNames);
    mapping.category = find(kCategoryNames);
    mapping.number = find(kNumberNames);
    if (mapping.number < 0) mapping.number = find(kLoneNumberNames, true);
    return mapping.date >= 0 && (mapping.amount >= 0 || mapping.debit >= 0);
}

struct DateReading {
    DateOrder order = DateOrder::MonthDayYear;
    char separator = '/';
    int reads = 0;  // the rows it reads
};

// The reading of `column` in rows [first, last] that reads the most: the
// separator most cells have after their first digits, and the order that
// reads the most with it, month first when several do.
DateReading ReadingOfDates(const CsvTable& table, int column, int first, int last) {
    constexpr std::array<char, 5> kSeparators = {'/', '.', '-', ' ', 0};
    std::array<int, 5> votes{};
    for (int row = first; row <= last; ++row) {
        std::string_view cell = CsvCell(table, row, column);
        cell.remove_prefix(std::min(cell.find_first_not_of(" \t"), cell.size()));
        const std::size_t digits = std::min(cell.find_first_not_of("0123456789"), cell.size());
        const char after = digits == 6 || digits == 8 ? 0 : digits < cell.size() ? cell[digits] : 1;
        const auto found = std::find(kSeparators.begin(), kSeparators.end(), after);
        if (digits > 0 && found != kSeparators.end()) ++votes[static_cast<std::size_t>(found - kSeparators.begin())];
    }
    DateReading best;
    const auto mostVotes = std::max_element(votes.begin(), votes.end()) - votes.begin();
    best.separator = kSeparators[static_cast<std::size_t>(mostVotes)];
    // An order is read only until it fails more rows than the best one so far.
    int fewestFailures = INT_MAX;
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        int failures = 0;
        for (int row = first; row <= last && failures < fewestFailures; ++row)
            failures += !ReadCsvDate(CsvCell(table, row, column), order, best.separator).has_value();
        if (failures < fewestFailures) best.order = order, fewestFailures = failures;
    }
    best.reads = std::max(last - first + 1, 0) - fewestFailures;
    return best;
}

bool ReadsDate(const CsvTable& table, int row, const CsvMapping& mapping) {
    return ReadCsvDate(CsvCell(table, row, mapping.date), mapping.dateOrder, mapping.dateSeparator).has_value();
}

bool ReadsAmount(std::string_view cell) { return ParseAmountCents(cell, DecimalMark::Either).has_value(); }

// For a file without a header: the date column is the one that reads as
// dates in most of the first rows, the amount the first other column that
// reads as amounts in all the rows with a date, and the payee the column
// with the most text that is not amounts.
void ReadColumnsFromCells(const CsvTable& table, CsvMapping& mapping) {
    const int sample = std::min(static_cast<int>(table.rows.size()), kSampleRows);
    int columns = 0;
    for (int row = 0; row < sample; ++row)
        columns = std::max(columns, static_cast<int>(table.rows[static_cast<std::size_t>(row)].size()));
    DateReading dates;
    for (int column = 0; column < columns; ++column) {
        const DateReading reading = ReadingOfDates(table, column, 0, sample - 1);
        if (reading.reads > dates.reads && reading.reads * 2 >= sample) dates = reading, mapping.date = column;
    }
    if (mapping.date < 0) return;
    mapping.dateOrder = dates.order;
    mapping.dateSeparator = dates.separator;
    std::vector<int> rows;
    for (int row = 0; row < sample; ++row)
        if (ReadsDate(table, row, mapping)) rows.push_back(row);
    mapping.firstRow = rows.front();
    std::size_t mostText = 0;
    for (int column = 0; column < columns; ++column) {
        if (column == mapping.date) continue;
        const bool amounts =
            std::all_of(rows.begin(), rows.end(), [&](int row) { return ReadsAmount(CsvCell(table, row, column)); });
        if (amounts && mapping.amount < 0) {
            mapping.amount = column;
            continue;
        }
        std::size_t text = 0;
        for (int row : rows) {
            const std::string_view cell = CsvCell(table, row, column);
            if (!ReadsAmount(cell)) text += cell.size();
        }
        if (text > mostText) mostText = text, mapping.payee = column;
    }
}

// The mark that reads the most amounts; then the one their digits show (the
// last of two marks, or a lone mark not followed by three digits); then the
// comma in a file delimited by ';', as European spreadsheets write them.
DecimalMark MarkOfAmounts(const CsvTable& table, const CsvMapping& mapping, int last) {
    std::array<int, 2> reads{}, votes{};  // period, comma
    for (int row = mapping.firstRow; row <= last; ++row) {
        for (int column : {mapping.amount, mapping.debit, mapping.credit}) {
            const std::string_view cell = CsvCell(table, row, column);
            reads[0] += ParseAmountCents(cell, DecimalMark::Period).has_value();
            reads[1] += ParseAmountCents(cell, DecimalMark::Comma).has_value();
            const std::size_t mark = cell.find_last_of(".,");
            if (mark == std::string_view::npos) continue;
            const bool comma = cell[mark] == ',';
            const std::size_t digits = std::min(cell.find_first_not_of("0123456789", mark + 1), cell.size()) - mark - 1;
            if (cell.find(comma ? '.' : ',') < mark || (digits > 0 && digits != 3)) ++votes[comma];
        }
    }
    if (reads[0] != reads[1]) return reads[1] > reads[0] ? DecimalMark::Comma : DecimalMark::Period;
    if (votes[0] != votes[1]) return votes[1] > votes[0] ? DecimalMark::Comma : DecimalMark::Period;
    return table.delimiter == ';' ? DecimalMark::Comma : DecimalMark::Period;
}

// The indicator's value that names money out, when the amounts carry no sign; empty otherwise.
std::string OutIndicator(const CsvTable& table, const CsvMapping& mapping, int last) {
    for (int row = mapping.firstRow; row <= last; ++row)
        if (ParseAmountCents(CsvCell(table, row, mapping.amount), mapping.decimalMark).value_or(0) < 0) return {};
    for (int row = mapping.firstRow; row <= last; ++row) {
        const std::string_view cell = CsvCell(table, row, mapping.indicator);
        const std::string words = Words(cell, table.encoding);
        if (AnyName(kOutNames, [&](std::string_view name) { return IsOnly(words, name); }))
            return ProgramText(cell, table.encoding, std::string::npos);
    }
    return {};
}

}  // namespace

CsvMapping GuessCsvMapping(const CsvTable& table) {
    CsvMapping mapping;
    const int rowCount = static_cast<int>(table.rows.size());
    bool header = false;
    for (int row = 0; row < std::min(rowCount, kSampleRows) && !header; ++row) {
        mapping = {};
        header = ReadHeader(table.rows[static_cast<std::size_t>(row)], table.encoding, mapping);
        mapping.firstRow = row + 1;
    }
    if (!header) {
        mapping = {};
        ReadColumnsFromCells(table, mapping);
    }
    if (mapping.date < 0) return mapping;

    const DateReading dates = ReadingOfDates(table, mapping.date, mapping.firstRow, rowCount - 1);
    mapping.dateOrder = dates.order;
    mapping.dateSeparator = dates.separator;
    int last = rowCount - 1;
    while (last >= mapping.firstRow && !ReadsDate(table, last, mapping)) --last;
    if (last >= mapping.firstRow && last < rowCount - 1) mapping.lastRow = last;
    mapping.decimalMark = MarkOfAmounts(table, mapping, last);
    if (mapping.indicator >= 0 && mapping.amount >= 0) mapping.outIndicator = OutIndicator(table, mapping, last);
    if (mapping.outIndicator.empty()) mapping.indicator = -1;
    return mapping;
}
