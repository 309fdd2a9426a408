// Amount text (the check, the conversion, the display form) and dates.

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "model/amounts.h"
#include "model/dates.h"

TEST(Amounts, CheckAcceptsDigitsCommasPeriodsAndDropsCommas) {
    struct Case {
        const char* text;
        const char* checked;
        double value;
    };
    for (Case c : {Case{"1,234.56", "1234.56", 1234.56}, Case{"1,,000", "1000", 1000.0}, Case{"", "", 0.0},
                   Case{".", ".", 0.0}, Case{"..", "..", 0.0}, Case{"1.2.3", "1.2.3", 1.2},
                   Case{",", "", 0.0}, Case{"007", "007", 7.0}, Case{"0.05", "0.05", 0.05}}) {
        std::string text = c.text;
        ASSERT_TRUE(CheckAmountText(text)) << '"' << c.text << '"';
        EXPECT_EQ(text, c.checked);
        EXPECT_EQ(text.size(), std::string(c.checked).size());
        EXPECT_DOUBLE_EQ(AmountFromText(text.c_str()), c.value) << '"' << c.text << '"';

        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s", c.text);
        ASSERT_TRUE(CheckAmountText(buffer));
        EXPECT_STREQ(buffer, c.checked);
    }
}

TEST(Amounts, CheckRefusesAnythingElseAndLeavesTheText) {
    for (const char* bad : {"12 ", " 12", "-5", "$5", "5e3", "12a", "\xA3" "12", "1,2x", "+1", "1\t", "inf"}) {
        std::string text = bad;
        EXPECT_FALSE(CheckAmountText(text)) << '"' << bad << '"';
        EXPECT_EQ(text, bad);

        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s", bad);
        EXPECT_FALSE(CheckAmountText(buffer));
        EXPECT_STREQ(buffer, bad);
    }
}

TEST(Amounts, ReadAmountFieldLikeTheEditBox) {
    EXPECT_EQ(ReadAmountField(" 12"), std::optional<double>(0.0));  // a first blank skips the check
    EXPECT_EQ(ReadAmountField(" abc"), std::optional<double>(0.0));
    EXPECT_EQ(ReadAmountField("12 "), std::nullopt);
    EXPECT_EQ(ReadAmountField("-5"), std::nullopt);
    EXPECT_EQ(ReadAmountField(""), std::optional<double>(0.0));
    EXPECT_EQ(ReadAmountField("1,234.56"), std::optional<double>(1234.56));

    // Only the first 49 characters count.
    std::string long_text(60, '1');
    long_text[49] = 'x';
    const std::optional<double> value = ReadAmountField(long_text);
    ASSERT_TRUE(value.has_value());
    EXPECT_DOUBLE_EQ(*value, std::stod(std::string(49, '1')));
    long_text[48] = 'x';
    EXPECT_EQ(ReadAmountField(long_text), std::nullopt);
}

TEST(Amounts, AmountTextHasTwoDecimals) {
    EXPECT_EQ(AmountText(1234.5), "1234.50");
    EXPECT_EQ(AmountText(-0.004), "-0.00");
    EXPECT_EQ(AmountText(0.0), "0.00");
    EXPECT_EQ(AmountText(-12.5), "-12.50");
    EXPECT_EQ(AmountText(1e15), "1000000000000000.00");
    EXPECT_EQ(AmountText(1234567.891), "1234567.89");
    EXPECT_EQ(AmountText(1.7976931348623157e308).size(), 309u + 3u);  // nothing cut off
    EXPECT_EQ(AmountText(-1.7976931348623157e308).size(), 1u + 309u + 3u);
}

TEST(Dates, DateTextInBothOrders) {
    EXPECT_EQ(DateText(1, 5, 2003, kDateFormatAmerican), "01/05/2003");
    EXPECT_EQ(DateText(1, 5, 2003, kDateFormatEuropean), "05/01/2003");
    EXPECT_EQ(DateText(1, 5, 2003, 7), "05/01/2003");
    EXPECT_EQ(DateText(1, 5, 2003, -1), "05/01/2003");
    EXPECT_EQ(DateText(3, 7, 2002, 0), "03/07/2002");
    EXPECT_EQ(DateText(3, 7, 2002, 1), "07/03/2002");
    EXPECT_EQ(DateText(12, 31, 1999, 0), "12/31/1999");
    EXPECT_EQ(DateText(12, 31, 1999, 1), "31/12/1999");

    for (int month = 1; month <= 12; ++month)
        for (int day : {1, 9, 10, 28, 31})
            for (int format : {0, 1}) {
                const std::string text = DateText(month, day, 2026, format);
                EXPECT_EQ(text.size(), 10u) << text;
                EXPECT_EQ(text.substr(6), "2026") << text;
                EXPECT_EQ(text[2], '/');
                EXPECT_EQ(text[5], '/');
            }
}

TEST(Dates, TodayCanBeFixedAndReleased) {
    SetToday(Date{2026, 12, 6});
    const Date fixed = Today();
    EXPECT_EQ(fixed.year, 2026);
    EXPECT_EQ(fixed.month, 12);
    EXPECT_EQ(fixed.day, 6);
    EXPECT_EQ(Today(), (Date{2026, 12, 6}));

    SetToday(std::nullopt);
    auto clock = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    };
    const Date earlier = clock();
    const Date today = Today();
    const Date later = clock();
    EXPECT_TRUE(today == earlier || today == later)
        << today.year << "-" << today.month << "-" << today.day;
}

TEST(Dates, OrderIsYearThenMonthThenDay) {
    EXPECT_LT((Date{2002, 12, 31}), (Date{2003, 1, 1}));
    EXPECT_LT((Date{2003, 1, 31}), (Date{2003, 2, 1}));
    EXPECT_LT((Date{2003, 2, 1}), (Date{2003, 2, 2}));
    EXPECT_GT((Date{2004, 1, 1}), (Date{2003, 12, 31}));
    EXPECT_EQ((Date{2003, 2, 1}), (Date{2003, 2, 1}));
    EXPECT_FALSE((Date{2003, 2, 1}) < (Date{2003, 2, 1}));
}
