#include "model/statements/ofx_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "model/case_folding.h"
#include "model/statements/statement_amounts.h"
#include "model/statements/statement_text.h"
#include "model/statements/windows_1252.h"

namespace {

constexpr std::size_t npos = std::string_view::npos;

// The most bytes kept of an account number or a transaction's FITID; OFX allows 22 and 255.
constexpr std::size_t kIdCapacity = 255;

std::size_t FindOfxTag(std::string_view bytes) {
    for (std::size_t at = bytes.find('<'); at != npos; at = bytes.find('<', at + 1))
        if (SameIgnoringCase(bytes.substr(at + 1, 4), "OFX>")) return at;
    return npos;
}

// The encoding the text before <OFX> names: an XML declaration's `encoding`,
// or the 1.x header's ENCODING (UTF-8 only) or CHARSET. The header's
// KEY:VALUE pairs are split at white space, as some banks write them all on one line.
std::optional<TextEncoding> DeclaredEncoding(std::string_view prolog) {
    if (const std::size_t at = prolog.find("encoding="); at != npos && at + 9 < prolog.size()) {
        const std::string_view value = prolog.substr(at + 10);
        return EncodingOfCharset(value.substr(0, value.find(prolog[at + 9])));
    }
    std::optional<TextEncoding> charset;
    for (std::size_t at = prolog.find_first_not_of(" \t\r\n"); at != npos;
         at = prolog.find_first_not_of(" \t\r\n", at)) {
        const std::size_t end = std::min(prolog.find_first_of(" \t\r\n", at), prolog.size());
        const std::string_view pair = prolog.substr(at, end - at);
        at = end;
        const std::size_t colon = pair.find(':');
        if (colon == npos) continue;
        const std::string_view key = pair.substr(0, colon), value = pair.substr(colon + 1);
        if (key == "ENCODING" && EncodingOfCharset(value) == TextEncoding::Utf8) return TextEncoding::Utf8;
        if (key == "CHARSET") charset = EncodingOfCharset(value);
    }
    return charset;
}

// Appends a character as the file's encoding writes it, so that ProgramText
// converts it with the text around it.
void AppendInFileEncoding(char32_t c, TextEncoding encoding, std::string& out) {
    if (encoding == TextEncoding::Windows1252) {
        out.push_back(static_cast<char>(Windows1252Byte(c)));
    } else if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    } else {
        out += {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
}

// The character of a reference's name ("amp", "#233", "#xE9"); 0 for none.
char32_t ReferencedCharacter(std::string_view name) {
    // A no-break space would survive the trimming of texts; a space does not.
    static constexpr std::pair<std::string_view, char32_t> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
    for (const auto& [named, c] : kNamed)
        if (name == named) return c;
    if (name.size() < 2 || name[0] != '#') return 0;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    char32_t c = 0;
    for (char digit : digits) {
        int value = 16;
        if (digit >= '0' && digit <= '9') value = digit - '0';
        if (digit >= 'A' && digit <= 'F') value = digit - 'A' + 10;
        if (digit >= 'a' && digit <= 'f') value = digit - 'a' + 10;
        if (value >= (hex ? 16 : 10)) return 0;
        c = c * (hex ? 16 : 10) + static_cast<char32_t>(value);
        if (c > 0x10FFFF) return 0;
    }
    return c >= 0xD800 && c <= 0xDFFF ? 0 : c;
}

// `text` with its character references replaced; an '&' that starts none stays.
std::string Unescaped(std::string_view text, TextEncoding encoding) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0;;) {
        const std::size_t amp = text.find('&', at);
        out.append(text.substr(at, amp - at));
        if (amp == npos) return out;
        // The longest reference, "&#x10FFFF;", has ten bytes; looking no further keeps the work linear.
        const std::size_t semicolon = text.substr(amp, 10).find(';');
        const char32_t c = semicolon == npos ? 0 : ReferencedCharacter(text.substr(amp + 1, semicolon - 1));
        if (c == 0) {
            out.push_back('&');
            at = amp + 1;
        } else {
            AppendInFileEncoding(c, encoding, out);
            at = amp + semicolon + 1;
        }
    }
}

// A date as DTPOSTED writes it: YYYYMMDD, then any time and zone, which are left out.
std::optional<Date> OfxDate(std::string_view text) {
    text = TrimmedText(text);
    if (text.size() < 8) return std::nullopt;
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        digits[i] = text[i] - '0';
    }
    const Date date{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
                    digits[6] * 10 + digits[7]};
    if (!IsStatementDate(date)) return std::nullopt;
    return date;
}

enum class Tag {
    Other,
    Statement,  // STMTRS or CCSTMTRS
    AccountFrom,  // BANKACCTFROM or CCACCTFROM
    AccountId,
    Transaction,
    Posted,
    Amount,
    Name,
    Payee,
    Memo,
    CheckNumber,
    FitId,
    LedgerBalance,
    BalanceAmount,
    BalanceDate,
};

// The tag of a tag's text, its name up to any attributes (which OFX does not use).
Tag TagOf(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && text[length] != ' ' && text[length] != '\t' && text[length] != '\r' &&
           text[length] != '\n')
        ++length;
    const std::string_view name = text.substr(0, length);
    static constexpr std::pair<std::string_view, Tag> kTags[] = {
        {"STMTRS", Tag::Statement},
        {"CCSTMTRS", Tag::Statement},
        {"BANKACCTFROM", Tag::AccountFrom},
        {"CCACCTFROM", Tag::AccountFrom},
        {"ACCTID", Tag::AccountId},
        {"STMTTRN", Tag::Transaction},
        {"DTPOSTED", Tag::Posted},
        {"TRNAMT", Tag::Amount},
        {"NAME", Tag::Name},
        {"PAYEE", Tag::Payee},
        {"MEMO", Tag::Memo},
        {"CHECKNUM", Tag::CheckNumber},
        {"FITID", Tag::FitId},
        {"LEDGERBAL", Tag::LedgerBalance},
        {"BALAMT", Tag::BalanceAmount},
        {"DTASOF", Tag::BalanceDate},
    };
    for (const auto& [known, tag] : kTags)
        if (name.size() == known.size() && SameIgnoringCase(name, known)) return tag;
    return Tag::Other;
}

// A transaction's leaves as the file writes them, read when its end tag comes.
struct RawTransaction {
    std::string_view posted, amount, name, payee, memo, number, fitId;
};

// Where the reading is. The statement being read, if any, is the last of `statements`.
struct Reading {
    TextEncoding encoding = TextEncoding::Utf8;
    std::vector<Statement> statements;
    bool inStatement = false, inAccount = false, inTransaction = false, inPayee = false, inBalance = false;
    RawTransaction transaction;
    std::string_view balanceAmount, balanceDate;
};

std::string Text(std::string_view raw, TextEncoding encoding, std::size_t capacity) {
    if (raw.find('&') == npos) return ProgramText(raw, encoding, capacity);
    return ProgramText(Unescaped(raw, encoding), encoding, capacity);
}

// The FITID's bytes as they are, so that it matches the same id in a later download.
std::string RawId(std::string_view raw, TextEncoding encoding) {
    std::string id = raw.find('&') == npos ? std::string(raw) : Unescaped(raw, encoding);
    if (id.size() > kIdCapacity) id.resize(kIdCapacity);
    return id;
}

void EndTransaction(Reading& reading) {
    if (!reading.inTransaction) return;
    reading.inTransaction = reading.inPayee = false;
    const RawTransaction& raw = reading.transaction;
    Statement& statement = reading.statements.back();
    const std::optional<Date> date = OfxDate(raw.posted);
    const std::optional<std::int64_t> cents = ParseAmountCents(raw.amount, DecimalMark::Either);
    if (!date || !cents) {
        ++statement.unreadableLines;
        return;
    }
    StatementLine& line = statement.lines.emplace_back();
    line.date = *date;
    line.cents = *cents;
    line.payee = Text(raw.name.empty() ? raw.payee : raw.name, reading.encoding, kStatementTextCapacity);
    line.memo = Text(raw.memo, reading.encoding, kStatementTextCapacity);
    line.number = ChequeNumber(raw.number);
    line.bankId = RawId(raw.fitId, reading.encoding);
}

void EndBalance(Reading& reading) {
    if (!reading.inBalance) return;
    reading.inBalance = false;
    const std::optional<std::int64_t> cents = ParseAmountCents(reading.balanceAmount, DecimalMark::Either);
    const std::optional<Date> date = OfxDate(reading.balanceDate);
    if (cents && date) reading.statements.back().ledgerBalance = StatementBalance{*cents, *date};
}

void EndStatement(Reading& reading) {
    EndTransaction(reading);
    EndBalance(reading);
    reading.inStatement = reading.inAccount = false;
}

// A start tag and the text that follows it up to the next tag: a leaf's value,
// or white space after an aggregate's start.
void Open(Reading& reading, Tag tag, std::string_view text) {
    if (tag == Tag::Statement) {
        EndStatement(reading);
        reading.statements.emplace_back();
        reading.inStatement = true;
        return;
    }
    if (!reading.inStatement) return;
    const std::string_view value = TrimmedText(text);
    RawTransaction& transaction = reading.transaction;
    switch (tag) {
    case Tag::AccountFrom:
        reading.inAccount = true;
        break;
    case Tag::AccountId:
        // The first one: a transfer's BANKACCTTO has an ACCTID of its own.
        if (reading.inAccount && reading.statements.back().accountId.empty())
            reading.statements.back().accountId = Text(value, reading.encoding, kIdCapacity);
        break;
    case Tag::Transaction:
        EndTransaction(reading);
        reading.inTransaction = true;
        transaction = {};
        break;
    case Tag::LedgerBalance:
        EndBalance(reading);
        reading.inBalance = true;
        reading.balanceAmount = reading.balanceDate = {};
        break;
    case Tag::BalanceAmount:
        if (reading.inBalance) reading.balanceAmount = value;
        break;
    case Tag::BalanceDate:
        if (reading.inBalance) reading.balanceDate = value;
        break;
    default:
        if (!reading.inTransaction) break;
        if (tag == Tag::Posted) transaction.posted = value;
        if (tag == Tag::Amount) transaction.amount = value;
        // PAYEE is a leaf with the payee's name, or an aggregate with a NAME in it.
        if (tag == Tag::Payee && value.empty()) reading.inPayee = true;
        if (tag == Tag::Payee && !value.empty()) transaction.payee = value;
        if (tag == Tag::Name) (reading.inPayee ? transaction.payee : transaction.name) = value;
        if (tag == Tag::Memo) transaction.memo = value;
        if (tag == Tag::CheckNumber) transaction.number = value;
        if (tag == Tag::FitId) transaction.fitId = value;
        break;
    }
}

// An end tag. Those of leaves, and of aggregates never opened, change nothing.
void Close(Reading& reading, Tag tag) {
    switch (tag) {
    case Tag::Statement:
        EndStatement(reading);
        break;
    case Tag::AccountFrom:
        reading.inAccount = false;
        break;
    case Tag::Transaction:
        EndTransaction(reading);
        break;
    case Tag::Payee:
        reading.inPayee = false;
        break;
    case Tag::LedgerBalance:
        EndBalance(reading);
        break;
    default:
        break;
    }
}

}  // namespace

std::vector<Statement> ReadOfxStatements(std::string_view bytes) {
    const std::size_t start = FindOfxTag(bytes);
    if (start == npos) return {};
    const std::optional<TextEncoding> declared = DeclaredEncoding(bytes.substr(0, start));
    Reading reading;
    reading.encoding = declared ? *declared : DetectEncoding(bytes);

    // Each step goes from a '<' to the next, so every byte is looked at a bounded number of times.
    for (std::size_t at = start; at < bytes.size();) {
        // Not find_first_of, which calls memchr for every byte.
        std::size_t end = at + 1;
        while (end < bytes.size() && bytes[end] != '<' && bytes[end] != '>') ++end;
        if (end == bytes.size()) break;
        if (bytes[end] == '<') {  // a '<' in a text
            at = end;
            continue;
        }
        const std::string_view tag = bytes.substr(at + 1, end - at - 1);
        const std::size_t next = std::min(bytes.find('<', end + 1), bytes.size());
        // Declarations, processing instructions, comments and empty elements say nothing.
        if (tag.starts_with('/')) {
            Close(reading, TagOf(tag.substr(1)));
        } else if (!tag.starts_with('!') && !tag.starts_with('?') && !tag.ends_with('/')) {
            Open(reading, TagOf(tag), bytes.substr(end + 1, next - end - 1));
        }
        at = next;
    }
    EndStatement(reading);
    return std::move(reading.statements);
}
