#include "model/statements/statement_amounts.h"

#include <limits>
#include <string>

#include "model/statements/statement_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letters and the usual currency signs around an amount; their UTF-8 and
// Windows-1252 bytes both.
bool IsCurrencyByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '$' || c >= 0x80;
}

char ResolveMark(std::string_view digits, DecimalMark mark) {
    if (mark == DecimalMark::Period) return '.';
    if (mark == DecimalMark::Comma) return ',';
    const auto period = digits.rfind('.'), comma = digits.rfind(',');
    if (period != std::string_view::npos && comma != std::string_view::npos) return period > comma ? '.' : ',';
    if (comma == std::string_view::npos) return '.';
    // A lone comma: thousands when exactly three digits follow and it is the only one.
    const bool thousands = digits.size() - comma == 4 && digits.find(',') == comma;
    return thousands ? '.' : ',';
}

}  // namespace

std::optional<std::int64_t> ParseAmountCents(std::string_view text, DecimalMark mark) {
    bool negative = false;
    int signs = 0;
    std::string number;  // digits and marks only
    bool open = false, closed = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const unsigned char byte = static_cast<unsigned char>(c);
        if (IsDigit(c) || c == '.' || c == ',') {
            if (closed) return std::nullopt;
            number.push_back(c);
        } else if (c == '-' || c == '+') {
            ++signs;
            negative = c == '-';
        } else if (c == '(') {
            if (open || !number.empty()) return std::nullopt;
            open = true;
        } else if (c == ')') {
            if (!open || closed) return std::nullopt;
            closed = true;
        } else if (c == ' ' || c == '\'' || c == '\t' || IsCurrencyByte(byte)) {
            // Spaces and apostrophes between digits group thousands; signs and codes are left out.
        } else {
            return std::nullopt;
        }
    }
    if (signs > 1 || open != closed || (open && signs != 0)) return std::nullopt;
    if (open) negative = true;

    const char decimal = ResolveMark(number, mark);
    std::int64_t units = 0;
    int integerDigits = 0, decimals = 0, roundDigit = -1;
    bool inCents = false, anyDigit = false;
    for (char c : number) {
        if (c == decimal) {
            if (inCents) return std::nullopt;
            inCents = true;
        } else if (c == '.' || c == ',') {
            if (inCents) return std::nullopt;  // a thousands mark among the cents
        } else {
            anyDigit = true;
            const int digit = c - '0';
            if (!inCents) {
                if (units != 0 || digit != 0) ++integerDigits;
                if (integerDigits > 13) return std::nullopt;
                units = units * 10 + digit;
            } else if (decimals < 2) {
                units = units * 10 + digit;
                ++decimals;
            } else if (roundDigit < 0) {
                roundDigit = digit;
            }
        }
    }
    if (!anyDigit) return std::nullopt;
    for (; decimals < 2; ++decimals) units *= 10;
    if (roundDigit >= 5) ++units;
    return negative ? -units : units;
}

std::int32_t ChequeNumber(std::string_view text) {
    text = TrimmedText(text);
    if (text.empty()) return 0;
    std::int64_t number = 0;
    for (char c : text) {
        if (!IsDigit(c)) return 0;
        number = number * 10 + (c - '0');
        if (number > std::numeric_limits<std::int32_t>::max()) return 0;
    }
    return static_cast<std::int32_t>(number);
}
