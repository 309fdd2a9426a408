#pragma once
// Dates as three numbers, their text in either order, and today's date.

#include <compare>
#include <ctime>
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

// Whether a date's text has the usual digits: four of the year (1000 to
// 9999) and two each of the month and day (0 to 99). Lists and summaries
// write such dates without printf, and they sort as the number yyyymmdd.
inline bool HasUsualDigits(std::int32_t month, std::int32_t day, std::int32_t year) {
    return month >= 0 && month <= 99 && day >= 0 && day <= 99 && year >= 1000 && year <= 9999;
}

// The digits of a date that has the usual digits, as its text shows them.
struct DateDigits {
    char year[4];
    char month[2];
    char day[2];
};
inline DateDigits UsualDigits(std::int32_t month, std::int32_t day, std::int32_t year) {
    const auto digit = [](std::int32_t value) { return static_cast<char>('0' + value % 10); };
    return {{digit(year / 1000), digit(year / 100), digit(year / 10), digit(year)},
            {digit(month / 10), digit(month)},
            {digit(day / 10), digit(day)}};
}

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

// Days since 1 January 1970 of the Gregorian calendar, negative before it. A
// month or day outside the calendar counts on past its end (31 February is 3
// March, month 13 is January of the next year), so every stored date has one.
std::int64_t DayNumber(const Date& date);
// The calendar date of a day number.
Date DateOfDayNumber(std::int64_t days);

// The system clock's local time now (not fixed by tests).
std::tm LocalClockNow();

// Today's local date from the system clock, unless a test fixed it.
Date Today();

// Fixes what Today() returns; std::nullopt goes back to the system clock.
void SetToday(std::optional<Date> fixed);
