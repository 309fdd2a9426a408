#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "model/statements/csv_mapping.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Each line as "year-month-day cents payee|memo|category|number", then the unreadable count.
std::string Summary(const Statement& statement) {
    std::string text;
    for (const StatementLine& l : statement.lines)
        text += std::to_string(l.date.year) + "-" + std::to_string(l.date.month) + "-" + std::to_string(l.date.day) +
                " " + std::to_string(l.cents) + " " + l.payee + "|" + l.memo + "|" + l.category + "|" +
                std::to_string(l.number) + "; ";
    return text + "unreadable " + std::to_string(statement.unreadableLines);
}

}  // namespace

TEST(CsvTable, FindsTheDelimiterAndUndoesQuotes) {
    const struct { std::string bytes; char delimiter; TextEncoding encoding; Rows rows; } cases[] = {
        {"a,b\n1,2\n", ',', TextEncoding::Utf8, {{"a", "b"}, {"1", "2"}}},
        {"a;b;c\r\n1,5;2;3\r\n", ';', TextEncoding::Utf8, {{"a", "b", "c"}, {"1,5", "2", "3"}}},
        {"a\tb\r1,5\t2", '\t', TextEncoding::Utf8, {{"a", "b"}, {"1,5", "2"}}},
        {"\"x, \"\"y\"\"\",2\n\"line\r\nbreak\",3\n", ',', TextEncoding::Utf8,
         {{"x, \"y\"", "2"}, {"line\r\nbreak", "3"}}},
        {"a,b\n\n,\n\"\",\"\"\n1,2", ',', TextEncoding::Utf8, {{"a", "b"}, {"1", "2"}}},  // empty records dropped
        {"\xEF\xBB\xBF" "a,b\n", ',', TextEncoding::Utf8, {{"a", "b"}}},
        {"caf\xE9,\"open\nto the end", ',', TextEncoding::Windows1252, {{"caf\xE9", "open\nto the end"}}},
        {"a,\"b\"c,d\"e", ',', TextEncoding::Utf8, {{"a", "bc", "d\"e"}}},  // quotes count only at a cell's start
    };
    for (const auto& c : cases) {
        const CsvTable table = ReadCsvTable(c.bytes);
        EXPECT_EQ(table.delimiter, c.delimiter) << c.bytes;
        EXPECT_EQ(table.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(table.rows, c.rows) << c.bytes;
    }
    EXPECT_EQ(ReadCsvTable("a,b\nx" + std::string(kCsvMaxColumns - 1, ',')).rows.size(), 2u);
    EXPECT_TRUE(ReadCsvTable("a,b\nx" + std::string(kCsvMaxColumns, ',')).rows.empty());
}

TEST(CsvMapping, GuessedMappingReadsTheStatement) {
    const struct { const char* name; std::string csv; std::string lines; } cases[] = {
        {"preamble, header and totals",
         "Account Statement,,\nAccount:,12345,\nDate,Description,Amount\n01/02/2019,Coffee,-3.50\n"
         "01/03/2019,\"Pay, Inc\",\"1,234.56\"\n01/04/2019,Refund,(1.00)\nTotal,,1230.06\n",
         "2019-1-2 -350 Coffee|||0; 2019-1-3 123456 Pay, Inc|||0; 2019-1-4 -100 Refund|||0; unreadable 0"},
        {"debit and credit columns",
         "Date,Payee,Debit,Credit,Balance\n2019-01-05,Rent,500.00,,1000\n2019-01-06,Salary,,2000.00,3000\n"
         "2019-01-07,Fee,-1.50,,2998.50\n2019-01-08,Nothing,,,2998.50\n",
         "2019-1-5 -50000 Rent|||0; 2019-1-6 200000 Salary|||0; 2019-1-7 -150 Fee|||0; unreadable 1"},
        {"amount and indicator",
         "Date,Details,Amount,Dr/Cr\n15/01/2019,Shop,12.00,dr\n16/01/2019,Refund,3.00,CR\n",
         "2019-1-15 -1200 Shop|||0; 2019-1-16 300 Refund|||0; unreadable 0"},
        {"a European file",
         "Buchungstag;Verwendungszweck;Beguenstigter/Zahlungspflichtiger;Betrag;Kategorie\n"
         "31.01.2019;Miete Januar;Caf\xC3\xA9 M\xC3\xBCller GmbH und Co. KG Berlin;-1.234,56;Wohnen\n"
         "01.02.2019;Gehalt;Firma AG;2.500,00;Lohn\n",
         "2019-1-31 -123456 Caf\xE9 M\xFCller GmbH und Co. KG Be|Miete Januar|Wohnen|0; "
         "2019-2-1 250000 Firma AG|Gehalt|Lohn|0; unreadable 0"},
        {"tabs, cheque numbers, spaces between thousands",
         "Date\tCheck No\tPayee\tAmount\n1/5/19\t1001\tLandlord\t-4\xC2\xA0" "709,00\n1/6/19\t12a\tBank\t12,5-\n",
         "2019-1-5 -470900 Landlord|||1001; 2019-1-6 -1250 Bank|||0; unreadable 0"},
        {"no header",
         "\"20190131\",\"-12.00\",\"*\",\"\",\"CORNER MARKET\"\n\"20190201\",\"500.00\",\"*\",\"\",\"DEPOSIT\"\n",
         "2019-1-31 -1200 CORNER MARKET|||0; 2019-2-1 50000 DEPOSIT|||0; unreadable 0"},
    };
    for (const auto& c : cases) {
        const CsvTable table = ReadCsvTable(c.csv);
        EXPECT_EQ(Summary(ApplyCsvMapping(table, GuessCsvMapping(table))), c.lines) << c.name;
    }
}

TEST(CsvMapping, ReadsDates) {
    constexpr auto kMdy = DateOrder::MonthDayYear, kDmy = DateOrder::DayMonthYear, kYmd = DateOrder::YearMonthDay;
    const struct { const char* cell; DateOrder order; char separator; std::optional<Date> date; } cases[] = {
        {"01/31/2019", kMdy, '/', Date{2019, 1, 31}},     {" 31.01.2019 ", kDmy, '.', Date{2019, 1, 31}},
        {"2019-01-31 00:00:00", kYmd, '-', Date{2019, 1, 31}}, {"2019-1-31T08:00", kYmd, '-', Date{2019, 1, 31}},
        {"31 1 2019", kDmy, ' ', Date{2019, 1, 31}},      {"20190131", kYmd, 0, Date{2019, 1, 31}},
        {"190131", kYmd, 0, Date{2019, 1, 31}},           {"01312019", kMdy, 0, Date{2019, 1, 31}},
        {"1/5/85", kMdy, '/', Date{1985, 1, 5}},          {"29.02.2020", kDmy, '.', Date{2020, 2, 29}},
        {"29.02.2019", kDmy, '.', std::nullopt},          {"31/01/2019", kMdy, '/', std::nullopt},
        {"2019/01/31", kYmd, '-', std::nullopt},          {"01/31/219", kMdy, '/', std::nullopt},
        {"01/031/2019", kMdy, '/', std::nullopt},         {"01/31/2019x", kMdy, '/', std::nullopt},
        {"0131201", kMdy, 0, std::nullopt},               {"01/31/0999", kMdy, '/', std::nullopt},
        {"", kMdy, '/', std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadCsvDate(c.cell, c.order, c.separator), c.date) << c.cell;
}

TEST(CsvMapping, ProfileTextRoundTripsAndRefusesOthers) {
    const CsvMapping mapping{.firstRow = 3, .lastRow = 40, .date = 0, .payee = 2, .amount = 5, .indicator = 6,
                             .outIndicator = "D\xE9" "b; 1=%", .dateOrder = DateOrder::DayMonthYear,
                             .dateSeparator = ' ', .decimalMark = DecimalMark::Comma};
    const std::string text = CsvProfileText(mapping);
    EXPECT_EQ(text, "csv1;first=3;last=40;date=0;payee=2;memo=-1;number=-1;category=-1;amount=5;debit=-1;credit=-1;"
                    "indicator=6;order=dmy;separator=space;mark=comma;out=D%E9b%3B%201%3D%25");
    EXPECT_EQ(CsvMappingOfProfile(text), mapping);
    const auto replaced = [&](const std::string& from, const std::string& to) {
        return std::string(text).replace(text.find(from), from.size(), to);
    };
    for (const std::string& damaged :
         {std::string(), std::string("csv1"), text.substr(0, 40), text + ";", text + ";date=0",
          replaced("csv1", "CSV1"),
          replaced("memo=-1", "memo=x"), replaced("memo=-1", "memo=-2"), replaced("first=3", "first=-1"),
          replaced("date=0", "date=99999999999"), replaced("date=0", "date=0 "), replaced("dmy", "dym"),
          replaced("%E9", "%e9"), replaced("%25", "%2"), replaced("%20", " "), replaced("payee", "name")})
        EXPECT_EQ(CsvMappingOfProfile(damaged), std::nullopt) << damaged;
}
