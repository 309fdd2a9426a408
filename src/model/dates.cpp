#include "model/dates.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
std::optional<Date> fixedToday;
}

std::string DateText(std::int32_t month, std::int32_t day, std::int32_t year, std::int32_t dateFormat) {
    const bool american = IsAmericanDateFormat(dateFormat);
    // The usual dates without printf: lists and summaries format them by the hundred thousand.
    if (HasUsualDigits(month, day, year)) {
        const DateDigits digits = UsualDigits(month, day, year);
        const char* first = american ? digits.month : digits.day;
        const char* second = american ? digits.day : digits.month;
        const char text[10] = {first[0], first[1], '/', second[0], second[1], '/',
                               digits.year[0], digits.year[1], digits.year[2], digits.year[3]};
        return std::string(text, sizeof text);
    }
    char buffer[48];
    if (american)
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", month, day, year);
    else
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", day, month, year);
    return buffer;
}

bool IsLeapYear(std::int32_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

std::int32_t MonthLength(std::int32_t month, std::int32_t year) {
    static constexpr std::int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    if (month == 2 && IsLeapYear(year)) return 29;
    return kLengths[month - 1];
}

Date ClampDayToMonth(const Date& date) {
    return {date.year, date.month, std::clamp(date.day, 1, MonthLength(date.month, date.year))};
}

// The civil calendar's days from its 400-year cycles (H. Hinnant's algorithm).
std::int64_t DayNumber(const Date& date) {
    // Months outside 1..12 carry into the year first; days count on from the month's first.
    std::int64_t year = date.year + (date.month - 1) / 12;
    std::int64_t month = (date.month - 1) % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    ++month;
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + (static_cast<std::int64_t>(date.day) - 1);
}

Date DateOfDayNumber(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shifted < 10 ? shifted + 3 : shifted - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {static_cast<std::int32_t>(year), static_cast<std::int32_t>(month),
            static_cast<std::int32_t>(dayOfYear - (153 * shifted + 2) / 5 + 1)};
}

std::tm LocalClockNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

Date Today() {
    if (fixedToday) return *fixedToday;
    const std::tm local = LocalClockNow();
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetToday(std::optional<Date> fixed) { fixedToday = fixed; }
