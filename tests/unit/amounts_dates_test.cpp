#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>

#include "model/amounts.h"
#include "model/dates.h"
#include "model/typed_text.h"

TEST(Amounts, CheckTakesOnlyDigitsCommasAndPeriodsAndDropsTheCommas) {
    // A refused text (no checked form) stays as it was.
    const struct { const char* text, *checked; double value; } cases[] = {
        {"1,234.56", "1234.56", 1234.56}, {"1,,000", "1000", 1000.0}, {"", "", 0.0}, {".", ".", 0.0},
        {"..", "..", 0.0}, {"1.2.3", "1.2.3", 1.2}, {",", "", 0.0}, {"12 "}, {"-5"}, {"$5"}, {"5e3"},
        {"12a"}, {"\xA3" "12"}, {"1,2x"}, {"+1"}, {"inf"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        EXPECT_EQ(CheckAmountText(text), c.checked != nullptr);
        EXPECT_EQ(text, c.checked != nullptr ? c.checked : c.text);
        EXPECT_EQ(ReadAmountField(c.text), c.checked != nullptr ? std::optional(c.value) : std::nullopt);
    }
}

TEST(Amounts, EditBoxIsReadAsItsFirst49CharactersAndABlankFirstGivesZero) {
    EXPECT_EQ(ReadAmountField(" 12"), std::optional<double>(0.0));
    EXPECT_EQ(ReadAmountField(" abc"), std::optional<double>(0.0));

    std::string text(60, '1');
    text[49] = 'x';
    EXPECT_EQ(ReadAmountField(text), std::optional<double>(std::stod(std::string(49, '1'))));
    text[48] = 'x';
    EXPECT_EQ(ReadAmountField(text), std::nullopt);
}

TEST(TypedText, MissingIsEmptyOrABlankFirst) {
    const struct { const char* text; bool missing; } cases[] = {
        {"", true}, {" ", true}, {" name", true}, {"name", false}, {"name ", false}, {"\tname", false}};
    for (const auto& c : cases) EXPECT_EQ(IsMissingText(c.text), c.missing) << '"' << c.text << '"';
}

TEST(AmountsAndDates, TheQuickTextsAreThoseOfPrintf) {
    char expected[352];
    // Two decimals, no separators, and nothing cut off the largest amount.
    for (double amount : {1234.5, 2.675, 0.125, 0.005, 1234567.895, -0.004, 1e20, 1e300, -1.7976931348623157e308,
                          double(INFINITY), double(NAN)}) {
        std::snprintf(expected, sizeof expected, "%.02f", amount);
        EXPECT_EQ(AmountText(amount), expected) << amount;
    }
    // Only dates with the usual digits take the quick way; any format but American puts the day first.
    const struct { int month, day, year; bool usual; } dates[] = {
        {3, 5, 2024, true}, {12, 31, 999, false}, {1, 1, 10000, false}, {123, -4, -7, false},
        {0, 0, 0, false},   {99, 9, 1000, true},  {1, 100, 9999, false}, {-1, 5, 2024, false}};
    for (const auto& d : dates) {
        EXPECT_EQ(HasUsualDigits(d.month, d.day, d.year), d.usual) << d.month << "/" << d.day << "/" << d.year;
        for (const std::int32_t format : {kDateFormatAmerican, kDateFormatEuropean, 7}) {
            const bool american = format == kDateFormatAmerican;
            std::snprintf(expected, sizeof expected, "%02d/%02d/%d", american ? d.month : d.day,
                          american ? d.day : d.month, d.year);
            EXPECT_EQ(DateText(d.month, d.day, d.year, format), expected) << d.month << "/" << d.day << "/" << d.year << " format " << format;
        }
    }
}

TEST(Dates, ADayOutsideItsMonthComesBackInsideIt) {
    const struct { Date stored, shown; } cases[] = {
        {{2026, 2, 31}, {2026, 2, 28}},  {{2024, 2, 31}, {2024, 2, 29}},   {{2000, 2, 30}, {2000, 2, 29}},
        {{2100, 2, 29}, {2100, 2, 28}},  {{2026, 4, 31}, {2026, 4, 30}},   {{2026, 1, 31}, {2026, 1, 31}},
        {{2026, 3, 0}, {2026, 3, 1}},    {{2026, 3, INT_MIN}, {2026, 3, 1}}, {{2026, 12, INT_MAX}, {2026, 12, 31}},
        {{2026, 13, 40}, {2026, 13, 31}},  // a month outside the calendar is kept, with 31 days
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampDayToMonth(c.stored), c.shown) << c.stored.year << '-' << c.stored.month << '-' << c.stored.day;
    for (std::int32_t month : {0, 13, -5, INT_MAX, INT_MIN}) EXPECT_EQ(MonthLength(month, 2004), 31) << month;
}
