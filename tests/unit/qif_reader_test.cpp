#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "model/statements/qif_reader.h"

namespace {

auto Fields(const StatementLine& l) { return std::tuple(l.date, l.cents, l.payee, l.memo, l.category, l.number); }

}  // namespace

TEST(QifReader, ReadsDatesInEachForm) {
    using enum DateOrder;
    const struct { const char* text; DateOrder order; std::optional<Date> date; } cases[] = {
        {"1/31'19", MonthDayYear, Date{2019, 1, 31}},   {"6/ 4'18", MonthDayYear, Date{2018, 6, 4}},
        {" 6/ 4'18 ", DayMonthYear, Date{2018, 4, 6}},  {"12/25/2018", MonthDayYear, Date{2018, 12, 25}},
        {"28.02'2009", DayMonthYear, Date{2009, 2, 28}}, {"2015-01-24", DayMonthYear, Date{2015, 1, 24}},
        {"1-31-19", MonthDayYear, Date{2019, 1, 31}},   {"1/ 2' 5", MonthDayYear, Date{2005, 1, 2}},
        {"1/2'75", MonthDayYear, Date{2075, 1, 2}},     {"1/2/75", MonthDayYear, Date{1975, 1, 2}},
        {"1/2/69", MonthDayYear, Date{2069, 1, 2}},     {"1/31'19", DayMonthYear, std::nullopt},
        {"2/29/2019", MonthDayYear, std::nullopt},      {"1/2", MonthDayYear, std::nullopt},
        {"1/2/3/4", MonthDayYear, std::nullopt},        {"1/2/12345", MonthDayYear, std::nullopt},
        {"1/2/019", MonthDayYear, std::nullopt},        {"x1/2/19", MonthDayYear, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadQifDate(c.text, c.order), c.date) << c.text;
}

TEST(QifReader, ReadsTheTransactionsOfTheSectionsItKnows) {
    const std::string file =
        "D1/1'19\r\nT5\r\n^\r\n"  // before any section
        "!Option:AutoSwitch\r\n!Account\r\nNChecking\r\nTBank\r\n^\r\n!Clear:AutoSwitch\r\n"
        "!Type:Bank \r\nD1/31'19\r\nT-1,234.56\r\nPShop\r\nMWeekly\r\nN0042\r\nLFood:Groceries\r\nC*\r\nA1 Road\r\n^\r\n"
        "D2/1'19\r\nU10\r\nLhome:a category name over thirty bytes\r\nNATM\r\n^\r\n"
        "D2/2'19\r\nT-3\r\nL[Savings]\r\n^\r\n"
        "D2/3'19\r\nSRent\r\n$-20\r\nEhalf\r\nSUtilities\r\n$-5.50\r\n^\r\n"
        "D2/4'19\r\nT-30\r\nL--Split--\r\nS[Savings]\r\n$-10\r\nSFood\r\n$-20\r\n^\r\n"
        "D2/5'19\r\nTmany\r\n^\r\nD2/30'19\r\nT1\r\n^\r\n^\r\n"
        "!Type:Invst\r\nD2/6'19\r\nNBuy\r\nT100\r\n^\r\n"
        "!type:ccard\nD2/7'19\nT-7\nPCaf\xE9";  // no last ^
    const QifRead read = ReadQifStatement(file, std::nullopt);
    const std::vector<StatementLine> expected = {
        {{2019, 1, 31}, -123456, "Shop", "Weekly", "Food:Groceries", 42},
        {{2019, 2, 1}, 1000, "", "", "home:a category name over thir"},
        {{2019, 2, 2}, -300},
        {{2019, 2, 3}, -2550, "", "", "Rent"},
        {{2019, 2, 4}, -3000},
        {{2019, 2, 7}, -700, "Caf\xE9"},
    };
    ASSERT_EQ(read.statement.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Fields(read.statement.lines[i]), Fields(expected[i])) << i;
    EXPECT_EQ(read.statement.unreadableLines, 2);
    EXPECT_EQ(read.ambiguousDate, "");
    EXPECT_EQ(ReadQifStatement("D1/1'19\nT5\n^\n", std::nullopt).statement.lines.size(), 0u);
}

TEST(QifReader, SettlesTheDayAndMonthOrderOnceForTheFile) {
    using enum DateOrder;
    const struct { std::vector<const char*> dates; std::optional<DateOrder> order; Date first; const char* ambiguous; } cases[] = {
        {{"1/1'19", " 1/2'19 ", "3/4'19"}, std::nullopt, {2019, 1, 1}, "1/2'19"},
        {{"1/2'19", "3/4'19"}, DayMonthYear, {2019, 2, 1}, ""},
        {{"1/2'19", "13/4'19", "4/14'19"}, MonthDayYear, {2019, 2, 1}, ""},
        {{"1/2'19", "4/13'19"}, std::nullopt, {2019, 1, 2}, ""},
        {{"2015-01-02", "5/5'19"}, std::nullopt, {2015, 1, 2}, ""},
    };
    for (const auto& c : cases) {
        std::string file = "\xEF\xBB\xBF!Type:Cash\n";
        for (const char* date : c.dates) file += std::string("D") + date + "\nT1\n^\n";
        const QifRead read = ReadQifStatement(file, c.order);
        ASSERT_FALSE(read.statement.lines.empty()) << file;
        EXPECT_EQ(read.statement.lines[0].date, c.first) << file;
        EXPECT_EQ(read.ambiguousDate, c.ambiguous) << file;
    }
}
