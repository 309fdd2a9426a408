// A CSV mapping as the registry keeps it: "csv1" and then key=value pairs,
// each after a ';'.

#include <charconv>
#include <cstdint>
#include <iterator>

#include "model/statements/csv_mapping.h"

namespace {

constexpr std::string_view kTag = "csv1";

struct Column {
    std::string_view key;
    int CsvMapping::*member;
    int least;
};
constexpr Column kColumns[] = {
    {"first", &CsvMapping::firstRow, 0}, {"last", &CsvMapping::lastRow, -1},      {"date", &CsvMapping::date, -1},
    {"payee", &CsvMapping::payee, -1},   {"memo", &CsvMapping::memo, -1},         {"number", &CsvMapping::number, -1},
    {"category", &CsvMapping::category, -1}, {"amount", &CsvMapping::amount, -1}, {"debit", &CsvMapping::debit, -1},
    {"credit", &CsvMapping::credit, -1}, {"indicator", &CsvMapping::indicator, -1},
};

template <typename Value>
struct Word {
    std::string_view text;
    Value value;
};
constexpr Word<DateOrder> kOrders[] = {
    {"mdy", DateOrder::MonthDayYear}, {"dmy", DateOrder::DayMonthYear}, {"ymd", DateOrder::YearMonthDay}};
constexpr Word<char> kSeparators[] = {{"slash", '/'}, {"period", '.'}, {"hyphen", '-'}, {"space", ' '}, {"none", 0}};
constexpr Word<DecimalMark> kMarks[] = {
    {"period", DecimalMark::Period}, {"comma", DecimalMark::Comma}, {"either", DecimalMark::Either}};

// The keys after the columns, in the order the text has them.
enum WordKey { kOrder = std::size(kColumns), kSeparator, kMark, kOut, kKeyCount };

template <typename Value, std::size_t N>
std::string_view WordOf(const Word<Value> (&words)[N], Value value) {
    for (const Word<Value>& word : words)
        if (word.value == value) return word.text;
    return {};  // a value no profile has: its text is refused when read back
}

template <typename Value, std::size_t N>
bool ReadWord(const Word<Value> (&words)[N], std::string_view text, Value& value) {
    for (const Word<Value>& word : words)
        if (word.text == text) return value = word.value, true;
    return false;
}

bool IsPlain(unsigned char c) { return c > 0x20 && c < 0x7F && c != '%' && c != ';' && c != '='; }

constexpr char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!IsPlain(static_cast<unsigned char>(text[i]))) return false;
            out.push_back(text[i]);
            continue;
        }
        if (text.size() - i < 3 || HexValue(text[i + 1]) < 0 || HexValue(text[i + 2]) < 0) return false;
        out.push_back(static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
        i += 2;
    }
    return true;
}

// Sets the value of `key`; the key's index, or -1 when the key or its value is not one a profile has.
int SetValue(CsvMapping& mapping, std::string_view key, std::string_view value) {
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        if (key != kColumns[i].key) continue;
        int number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size() || number < kColumns[i].least) return -1;
        mapping.*kColumns[i].member = number;
        return static_cast<int>(i);
    }
    if (key == "order") return ReadWord(kOrders, value, mapping.dateOrder) ? kOrder : -1;
    if (key == "separator") return ReadWord(kSeparators, value, mapping.dateSeparator) ? kSeparator : -1;
    if (key == "mark") return ReadWord(kMarks, value, mapping.decimalMark) ? kMark : -1;
    if (key == "out") return Unescape(value, mapping.outIndicator) ? kOut : -1;
    return -1;
}

}  // namespace

std::string CsvProfileText(const CsvMapping& mapping) {
    std::string text(kTag);
    for (const Column& column : kColumns)
        text.append(";").append(column.key).append("=").append(std::to_string(mapping.*column.member));
    text.append(";order=").append(WordOf(kOrders, mapping.dateOrder));
    text.append(";separator=").append(WordOf(kSeparators, mapping.dateSeparator));
    text.append(";mark=").append(WordOf(kMarks, mapping.decimalMark));
    text.append(";out=");
    for (char c : mapping.outIndicator) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsPlain(byte)) {
            text.push_back(c);
        } else {
            text.append({'%', kHex[byte >> 4], kHex[byte & 15]});
        }
    }
    return text;
}

std::optional<CsvMapping> CsvMappingOfProfile(std::string_view text) {
    if (!text.starts_with(kTag)) return std::nullopt;
    text.remove_prefix(kTag.size());
    CsvMapping mapping;
    std::uint32_t seen = 0;
    while (!text.empty()) {
        if (text.front() != ';') return std::nullopt;
        text.remove_prefix(1);
        const std::string_view pair = text.substr(0, text.find(';'));
        text.remove_prefix(pair.size());
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const int key = SetValue(mapping, pair.substr(0, equals), pair.substr(equals + 1));
        if (key < 0 || (seen & (1u << key)) != 0) return std::nullopt;
        seen |= 1u << key;
    }
    if (seen != (1u << kKeyCount) - 1) return std::nullopt;
    return mapping;
}
