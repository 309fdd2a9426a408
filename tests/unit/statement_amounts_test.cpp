#include <gtest/gtest.h>

#include <optional>

#include "model/statements/statement_amounts.h"
#include "model/statements/statement_text.h"

TEST(StatementAmounts, ParsesTheFormsStatementsWrite) {
    constexpr auto kPeriod = DecimalMark::Period, kComma = DecimalMark::Comma, kEither = DecimalMark::Either;
    const struct { const char* text; DecimalMark mark; std::optional<std::int64_t> cents; } cases[] = {
        {"1,234.56", kPeriod, 123456},     {"1.234,56", kComma, 123456},    {"1.234,56", kPeriod, std::nullopt},
        {"1,234.56", kComma, std::nullopt}, {"4 709", kPeriod, 470900},     {"4\xC2\xA0" "709,5", kComma, 470950},
        {"4\xA0" "709", kComma, 470900},   {"(123.45)", kPeriod, -12345},   {"$9.99", kPeriod, 999},
        {"-12", kComma, -1200},            {"12.00-", kPeriod, -1200},      {"9,99 \xE2\x82\xAC", kComma, 999},
        {"1'000.005", kPeriod, 100001},    {"12,50", kPeriod, 125000},      {"1,234", kEither, 123400},
        {"1,23", kEither, 123},            {"-(5)", kPeriod, std::nullopt}, {"--5", kPeriod, std::nullopt},
        {"5.", kPeriod, 500},              {"1.2.3", kPeriod, std::nullopt}, {"", kPeriod, std::nullopt},
        {"12/31", kPeriod, std::nullopt},  {"99999999999999", kPeriod, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseAmountCents(c.text, c.mark), c.cents) << c.text;
}

TEST(StatementText, DetectsTheEncodingAndWritesTheCodePage) {
    const struct { const char* bytes; TextEncoding encoding; const char* text; } cases[] = {
        {"plain", TextEncoding::Utf8, "plain"},
        {"\xEF\xBB\xBF" "caf\xE9", TextEncoding::Utf8, "caf\xE9"},  // a bad byte after the mark reads as 1252
        {"  caf\xC3\xA9 \xE2\x82\xAC ", TextEncoding::Utf8, "caf\xE9 \x80"},
        {"caf\xE9\ttab", TextEncoding::Windows1252, "caf\xE9 tab"},
        {"\xE6\x97\xA5 kanji", TextEncoding::Utf8, "? kanji"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.bytes;
        EXPECT_EQ(ProgramText(std::string_view(c.bytes).substr(ByteOrderMarkLength(c.bytes)), c.encoding, 30), c.text);
    }
    EXPECT_EQ(ProgramText("abc\xC3\xA9", TextEncoding::Utf8, 3), "abc");
    EXPECT_EQ(ProgramText("ab\xE2\x82\xAC" "d", TextEncoding::Utf8, 3), "ab\x80");
}
