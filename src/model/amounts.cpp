#include "model/amounts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/typed_text.h"

bool CheckAmountText(char* text) {
    for (const char* c = text; *c != '\0'; ++c)
        if (!((*c >= '0' && *c <= '9') || *c == ',' || *c == '.')) return false;
    char* out = text;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c != ',') *out++ = *c;
    *out = '\0';
    return true;
}

bool CheckAmountText(std::string& text) {
    if (!CheckAmountText(text.data())) return false;
    text.resize(std::strlen(text.c_str()));
    return true;
}

double AmountFromText(const char* text) { return std::strtod(text, nullptr); }

std::string AmountText(double amount) {
    // std::to_chars gives printf's digits in the C locale, several times
    // faster: lists and summaries format amounts by the hundred thousand.
    char text[32];
    if (std::isfinite(amount)) {
        const auto [end, error] = std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 2);
        if (error == std::errc()) return std::string(text, end);
    }
    char buffer[352];  // enough for the largest double in fixed notation
    std::snprintf(buffer, sizeof buffer, "%.02f", amount);
    return buffer;
}

std::optional<double> ReadAmountField(std::string text) {
    text.resize(std::min(text.size(), kAmountFieldLength));
    if (IsMissingText(text)) return 0.0;
    if (!CheckAmountText(text)) return std::nullopt;
    return AmountFromText(text.c_str());
}

std::optional<double> ReadSignedAmountField(std::string text) {
    text.resize(std::min(text.size(), kAmountFieldLength));
    const bool negative = !text.empty() && text[0] == '-';
    if (!negative) return ReadAmountField(text);
    text.erase(0, 1);
    if (!CheckAmountText(text)) return std::nullopt;
    return -AmountFromText(text.c_str());
}

std::string CentsText(std::int64_t cents) {
    // The magnitude as unsigned, so that the smallest int64 has one too.
    const std::uint64_t magnitude = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
    const std::uint64_t hundredths = magnitude % 100;
    std::string text = cents < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += '.';
    text += static_cast<char>('0' + hundredths / 10);
    text += static_cast<char>('0' + hundredths % 10);
    return text;
}
