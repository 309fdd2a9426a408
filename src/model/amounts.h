#pragma once
// Amount text: the one check every amount field uses, and the text forms.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The amount check. Accepts an empty text; otherwise every character must be a
// digit, a comma or a period, and the commas are then removed in place. On
// failure the text is left unchanged. Periods are not counted ("1.2.3" passes).
bool CheckAmountText(char* text);
bool CheckAmountText(std::string& text);

// Leading white space skipped, the longest valid prefix converted; no number gives 0.0.
double AmountFromText(const char* text);

// "%.02f": two decimals, no thousands separator, a leading minus when negative.
std::string AmountText(double amount);

// An amount in whole cents as AmountText writes it ("-0.50", "1234.56"),
// exactly: no rounding of a double on the way.
std::string CentsText(std::int64_t cents);

// How an amount edit box is read: its first 49 characters; a first blank means
// 0.0 without a check; otherwise the amount check, then the conversion.
// std::nullopt when the check fails (the dialog shows its message).
std::optional<double> ReadAmountField(std::string text);

// The same for the boxes that take a balance, which may be negative: a minus
// may stand before the text that the amount check sees.
std::optional<double> ReadSignedAmountField(std::string text);

// The most characters an amount edit box gives.
inline constexpr std::size_t kAmountFieldLength = 49;
