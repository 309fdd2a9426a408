#include "model/statements/qif_reader.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/case_folding.h"
#include "model/statements/statement_amounts.h"
#include "model/statements/statement_text.h"

namespace {

// The largest amount ParseAmountCents gives; a sum of splits beyond it is not read.
constexpr std::int64_t kAmountLimit = 1'000'000'000'000'000;

// A date's three numbers as the file writes them, before the order of its day and month is known.
struct DateFields {
    std::int32_t numbers[3] = {};
    int digits[3] = {};
    bool apostropheYear = false;  // "1/31'19"
};

std::optional<DateFields> SplitDate(std::string_view text) {
    text = TrimmedText(text);
    DateFields fields;
    std::size_t at = 0;
    const auto skipSpaces = [&] {
        while (at < text.size() && text[at] == ' ') ++at;
    };
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            skipSpaces();
            if (at == text.size() || std::string_view("/-.'").find(text[at]) == std::string_view::npos)
                return std::nullopt;
            if (i == 2) fields.apostropheYear = text[at] == '\'';
            ++at;
            skipSpaces();
        }
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && fields.digits[i] <= 4; ++at) {
            fields.numbers[i] = fields.numbers[i] * 10 + (text[at] - '0');
            ++fields.digits[i];
        }
        if (fields.digits[i] == 0 || fields.digits[i] > 4) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    return fields;
}

std::int32_t Year(const DateFields& fields, int i) {
    if (i == 2 && fields.apostropheYear && fields.digits[2] <= 2) return 2000 + fields.numbers[2];
    return FullYear(fields.numbers[i], fields.digits[i]);
}

std::optional<Date> DateInOrder(const DateFields& fields, DateOrder order) {
    const auto& n = fields.numbers;
    Date date;
    if (fields.digits[0] == 4 || order == DateOrder::YearMonthDay) {
        date = {Year(fields, 0), n[1], n[2]};
    } else if (order == DateOrder::DayMonthYear) {
        date = {Year(fields, 2), n[1], n[0]};
    } else {
        date = {Year(fields, 2), n[0], n[1]};
    }
    if (!IsStatementDate(date)) return std::nullopt;
    return date;
}

bool IsReadSection(std::string_view header) {
    header = TrimmedText(header);
    for (std::string_view read : {"!Type:Bank", "!Type:CCard", "!Type:Cash", "!Type:Oth A", "!Type:Oth L"})
        if (SameIgnoringCase(header, read)) return true;
    return false;
}

// A transaction's lines as the file writes them, read when its record ends.
struct RawRecord {
    bool any = false;
    std::string_view date, total, otherTotal, payee, memo, number, category;
    bool split = false;
    std::string_view firstSplitCategory;
    bool splitAmounts = false;
    std::optional<std::int64_t> splitCents = 0;  // std::nullopt once a split's amount cannot be read
};

struct Reading {
    TextEncoding encoding = TextEncoding::Utf8;
    Statement statement;
    std::vector<std::string_view> dates;  // those of statement.lines, read once the order is settled
};

std::string CategoryText(std::string_view raw, TextEncoding encoding) {
    raw = TrimmedText(raw);
    if (raw.starts_with('[')) return {};  // a transfer to another account, not a category
    return ProgramText(raw, encoding, kStatementTextCapacity);
}

void EndRecord(Reading& reading, RawRecord& record) {
    if (!record.any) return;
    std::optional<std::int64_t> cents;
    if (!record.total.empty()) {
        cents = ParseAmountCents(record.total, DecimalMark::Either);
    } else if (!record.otherTotal.empty()) {
        cents = ParseAmountCents(record.otherTotal, DecimalMark::Either);
    } else if (record.splitAmounts) {
        cents = record.splitCents;
    }
    if (!cents) {
        ++reading.statement.unreadableLines;
    } else {
        StatementLine& line = reading.statement.lines.emplace_back();
        line.cents = *cents;
        line.payee = ProgramText(record.payee, reading.encoding, kStatementTextCapacity);
        line.memo = ProgramText(record.memo, reading.encoding, kStatementTextCapacity);
        line.category = CategoryText(record.split ? record.firstSplitCategory : record.category, reading.encoding);
        line.number = ChequeNumber(record.number);
        reading.dates.push_back(record.date);
    }
    record = {};
}

void ReadLine(RawRecord& record, char code, std::string_view value) {
    record.any = true;
    switch (code) {
    case 'D': record.date = value; break;
    case 'T': record.total = value; break;
    case 'U': record.otherTotal = value; break;
    case 'P': record.payee = value; break;
    case 'M': record.memo = value; break;
    case 'N': record.number = value; break;
    case 'L': record.category = value; break;
    case 'S':
        if (!record.split) record.firstSplitCategory = value;
        record.split = true;
        break;
    case '$': {
        record.splitAmounts = true;
        const std::optional<std::int64_t> cents = ParseAmountCents(value, DecimalMark::Either);
        if (!cents || !record.splitCents) {
            record.splitCents.reset();
        } else {
            *record.splitCents += *cents;
            if (*record.splitCents > kAmountLimit || *record.splitCents < -kAmountLimit) record.splitCents.reset();
        }
        break;
    }
    default: break;  // cleared status, addresses, split memos and percentages are not kept
    }
}

// The first date that reads only one way settles the order; the first that
// reads two different ways is the one to ask about when none does.
std::optional<DateOrder> SettledOrder(const std::vector<std::string_view>& dates, std::string_view& ambiguous) {
    for (std::string_view text : dates) {
        const std::optional<DateFields> fields = SplitDate(text);
        if (!fields) continue;
        const std::optional<Date> monthFirst = DateInOrder(*fields, DateOrder::MonthDayYear),
                                  dayFirst = DateInOrder(*fields, DateOrder::DayMonthYear);
        if (monthFirst.has_value() != dayFirst.has_value())
            return monthFirst ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
        if (monthFirst && *monthFirst != *dayFirst && ambiguous.empty()) ambiguous = TrimmedText(text);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Date> ReadQifDate(std::string_view text, DateOrder order) {
    const std::optional<DateFields> fields = SplitDate(text);
    return fields ? DateInOrder(*fields, order) : std::nullopt;
}

QifRead ReadQifStatement(std::string_view bytes, std::optional<DateOrder> order) {
    Reading reading;
    reading.encoding = DetectEncoding(bytes);
    bytes.remove_prefix(ByteOrderMarkLength(bytes));
    bool inReadSection = false;
    RawRecord record;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (line[0] == '!') {
            if (inReadSection) EndRecord(reading, record);
            inReadSection = IsReadSection(line);
        } else if (inReadSection && line[0] == '^') {
            EndRecord(reading, record);
        } else if (inReadSection) {
            ReadLine(record, line[0], line.substr(1));
        }
    }
    if (inReadSection) EndRecord(reading, record);

    QifRead read;
    std::string_view ambiguous;
    const std::optional<DateOrder> settled = SettledOrder(reading.dates, ambiguous);
    if (!settled && !order) read.ambiguousDate = ambiguous;
    const DateOrder used = settled ? *settled : order.value_or(DateOrder::MonthDayYear);

    std::vector<StatementLine>& lines = reading.statement.lines;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<Date> date = ReadQifDate(reading.dates[i], used);
        if (!date) {
            ++reading.statement.unreadableLines;
            continue;
        }
        lines[i].date = *date;
        if (kept != i) lines[kept] = std::move(lines[i]);
        ++kept;
    }
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(kept), lines.end());
    read.statement = std::move(reading.statement);
    return read;
}
