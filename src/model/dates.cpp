#include "model/dates.h"

#include <cstdio>
#include <ctime>

namespace {
std::optional<Date> fixedToday;
}

std::string DateText(std::int32_t month, std::int32_t day, std::int32_t year, std::int32_t dateFormat) {
    char buffer[48];
    if (IsAmericanDateFormat(dateFormat))
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", month, day, year);
    else
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", day, month, year);
    return buffer;
}

Date Today() {
    if (fixedToday) return *fixedToday;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void SetToday(std::optional<Date> fixed) { fixedToday = fixed; }
