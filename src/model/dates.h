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

// Whether `year` is a leap year of the Gregorian calendar.
bool IsLeapYear(std::int32_t year);

// The days of `month` (1 to 12) in `year`; 31 for a month outside the calendar.
std::int32_t MonthLength(std::int32_t month, std::int32_t year);

// The date with its day kept inside its month: a day past the month's end
// (a file can hold 31 February) becomes the month's last day, a day before
// the first becomes the first. A date picker cannot show a date no calendar
// has; this one it can, and an OK then stores a real date.
Date ClampDayToMonth(const Date& date);

// Today's local date from the system clock, unless a test fixed it.
Date Today();

// Fixes what Today() returns; std::nullopt goes back to the system clock.
void SetToday(std::optional<Date> fixed);
