#pragma once
// Amounts and years as statement files write them, shared by the readers.

#include <cstdint>
#include <optional>
#include <string_view>

// The character that starts the cents. Either: the last of '.' and ',' when
// both appear; a lone ',' followed by exactly three digits separates
// thousands, any other lone mark starts the cents.
enum class DecimalMark { Period, Comma, Either };

// An amount in cents, signed. Accepts a sign before or after the number
// ("-12", "+3", "12.00-"), parentheses for a negative ("(123.45)"), a
// currency sign or code around it ("$9.99", "9,99 €", "EUR 5"), spaces and
// the other mark (and ') between thousands ("1,234.56", "1.234,56",
// "4 709", "1'000"). More than two decimals are rounded to the cent.
// std::nullopt for a text without digits, with two signs, with anything else
// in it, or beyond ten thousand billion.
std::optional<std::int64_t> ParseAmountCents(std::string_view text, DecimalMark mark);

// A year written with two digits: below 70 is 20xx, else 19xx. Other years are kept.
inline std::int32_t FullYear(std::int32_t year, int digits) {
    if (digits > 2) return year;
    return year < 70 ? 2000 + year : 1900 + year;
}

// A cheque number: digits only, white space around them ignored, that fit an
// int32. 0 (no number) for anything else, such as "ATM" or "DEP".
std::int32_t ChequeNumber(std::string_view text);
