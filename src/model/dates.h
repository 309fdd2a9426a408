#pragma once
// Dates as three numbers, their text in either order, and today's date.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

struct Date {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;

    // Year, then month, then day.
    friend auto operator<=>(const Date&, const Date&) = default;
};

// DateFormat values: 0 is American (month first); any other value is European.
inline constexpr std::int32_t kDateFormatAmerican = 0;
inline constexpr std::int32_t kDateFormatEuropean = 1;

// The Options dialog's choice: American for 0, European for every other value.
inline bool IsAmericanDateFormat(std::int32_t dateFormat) { return dateFormat == kDateFormatAmerican; }

// "%02d/%02d/%d": month/day/year when dateFormat is 0, day/month/year otherwise.
std::string DateText(std::int32_t month, std::int32_t day, std::int32_t year, std::int32_t dateFormat);

// Today's local date from the system clock, unless a test fixed it.
Date Today();

// Fixes what Today() returns; std::nullopt goes back to the system clock.
void SetToday(std::optional<Date> fixed);
