#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/statements/ofx_reader.h"

namespace {

const std::string kSgmlHeader = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\nCHARSET:1252\r\n\r\n";

// A 1.x bank statement of account 123 around the given transactions.
std::string Sgml(const std::string& transactions, const std::string& header = kSgmlHeader) {
    return header + "<OFX><SIGNONMSGSRSV1><SONRS><FI><ORG>Bank</FI><INTU.BID>3000</SONRS></SIGNONMSGSRSV1>\n"
                    "<BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD<BANKACCTFROM><ACCTID>123</BANKACCTFROM>\n"
                    "<BANKTRANLIST>" + transactions + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";
}

auto Fields(const StatementLine& l) { return std::tuple(l.date, l.cents, l.payee, l.memo, l.number, l.bankId); }

}  // namespace

TEST(OfxReader, ReadsEachLeafFormOfATransaction) {
    const std::string cafe40 = [] { std::string s; for (int i = 0; i < 40; ++i) s += "\xC3\xA9"; return s; }();
    const struct { std::string body; StatementLine line; } cases[] = {
        {"<DTPOSTED>20190131\n<TRNAMT>-50.00\n<NAME>Shop\n<MEMO>Food\n<CHECKNUM>0042\n<INTU.BID>7\n<FITID> ab 1 \n",
         {{2019, 1, 31}, -5000, "Shop", "Food", "", 42, "ab 1"}},
        {"<DTPOSTED>20190131120000.000[-5:EST]<TRNAMT>-50,00<NAME>x</NAME><MEMO>m</MEMO><CHECKNUM>ATM",
         {{2019, 1, 31}, -5000, "x", "m"}},
        {"<DTPOSTED>20190131<TRNAMT>1<PAYEE>Joe<CHECKNUM>99999999999", {{2019, 1, 31}, 100, "Joe"}},
        {"<DTPOSTED>20190131<TRNAMT>1<PAYEE><NAME>Joe</NAME><ADDR1>Road</ADDR1></PAYEE><BANKACCTTO><ACCTID>9",
         {{2019, 1, 31}, 100, "Joe"}},
        {"<DTPOSTED>20190131<TRNAMT>1<NAME>A&amp;B&nbsp;&lt;&#233;&#xE9;&gt; & &bogus; &quot;&apos;&#0;",
         {{2019, 1, 31}, 100, "A&B <\xE9\xE9> & &bogus; \"'&#0;"}},
        {"<DTPOSTED>20190131<TRNAMT>1<NAME>" + cafe40 + "<FITID>" + std::string(300, 'f'),
         {{2019, 1, 31}, 100, std::string(30, '\xE9'), "", "", 0, std::string(255, 'f')}},
    };
    for (const auto& c : cases) {
        const auto statements = ReadOfxStatements(Sgml("<STMTTRN>" + c.body + "</STMTTRN>", ""));
        ASSERT_EQ(statements.size(), 1u) << c.body;
        ASSERT_EQ(statements[0].lines.size(), 1u) << c.body;
        EXPECT_EQ(Fields(statements[0].lines[0]), Fields(c.line)) << c.body;
        EXPECT_EQ(statements[0].accountId, "123");
    }
}

TEST(OfxReader, TakesTheEncodingFromTheHeaderElseFromTheBytes) {
    const struct { std::string header, name, payee; } cases[] = {
        {kSgmlHeader, "Caf\xE9", "Caf\xE9"},
        {kSgmlHeader, "Caf\xC3\xA9", "Caf\xC3\xA9"},  // read as Windows-1252, as the header says
        {"OFXHEADER:100 DATA:OFXSGML ENCODING:UTF-8 CHARSET:NONE ", "Caf\xC3\xA9", "Caf\xE9"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><?OFX OFXHEADER=\"200\"?>", "Caf\xC3\xA9", "Caf\xC3\xA9"},
        {"<?xml version='1.0' encoding='UTF-8'?>", "Caf\xC3\xA9", "Caf\xE9"},
        {"", "Caf\xC3\xA9", "Caf\xE9"},
        {"", "Caf\xE9", "Caf\xE9"},
        {"\xEF\xBB\xBF", "Caf\xC3\xA9", "Caf\xE9"},
    };
    for (const auto& c : cases) {
        const auto statements = ReadOfxStatements(Sgml("<STMTTRN><DTPOSTED>20190101<TRNAMT>1<NAME>" + c.name, c.header));
        ASSERT_EQ(statements.size(), 1u) << c.header;
        ASSERT_EQ(statements[0].lines.size(), 1u) << c.header;
        EXPECT_EQ(statements[0].lines[0].payee, c.payee) << c.header;
    }
}

TEST(OfxReader, ReadsEveryBankAndCardStatementOfAnXmlFile) {
    const std::string file =
        "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n<ofx><!-- mixed case tags -->\n"
        "<BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM><BANKID>1</BANKID><ACCTID>111</ACCTID></BANKACCTFROM>\n"
        "<BANKTRANLIST><STMTTRN><DTPOSTED>20240102</DTPOSTED><TRNAMT>-1.5</TRNAMT></STMTTRN>\n"
        "<STMTTRN><DTPOSTED>20240230</DTPOSTED><TRNAMT>2</TRNAMT></STMTTRN>\n"
        "<STMTTRN><DTPOSTED>20240103</DTPOSTED><TRNAMT>two</TRNAMT></STMTTRN><STMTTRN/></BANKTRANLIST>\n"
        "<LEDGERBAL><BALAMT>1234.56</BALAMT><DTASOF>20240131120000</DTASOF></LEDGERBAL>\n"
        "<AVAILBAL><BALAMT>1</BALAMT><DTASOF>20240101</DTASOF></AVAILBAL></STMTRS></STMTTRNRS>\n"
        "<STMTTRNRS><StmtRs><BANKACCTFROM><ACCTID>222</ACCTID></BANKACCTFROM></StmtRs></STMTTRNRS></BANKMSGSRSV1>\n"
        "<CREDITCARDMSGSRSV1><CCSTMTTRNRS><CCSTMTRS><CCACCTFROM><ACCTID>4111</ACCTID></CCACCTFROM>\n"
        "<BANKTRANLIST><STMTTRN><DTPOSTED>20240105</DTPOSTED><TRNAMT>-9.99</TRNAMT></STMTTRN></BANKTRANLIST>\n"
        "</CCSTMTRS></CCSTMTTRNRS></CREDITCARDMSGSRSV1></ofx>";
    const auto statements = ReadOfxStatements(file);
    ASSERT_EQ(statements.size(), 3u);
    const struct { const char* accountId; std::size_t lines; int unreadable; bool balance; } expected[] = {
        {"111", 1, 2, true}, {"222", 0, 0, false}, {"4111", 1, 0, false}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(statements[i].accountId, expected[i].accountId);
        EXPECT_EQ(statements[i].lines.size(), expected[i].lines);
        EXPECT_EQ(statements[i].unreadableLines, expected[i].unreadable);
        EXPECT_EQ(statements[i].ledgerBalance.has_value(), expected[i].balance);
    }
    EXPECT_EQ(statements[0].lines[0].cents, -150);
    EXPECT_EQ(statements[0].ledgerBalance->cents, 123456);
    EXPECT_EQ(statements[0].ledgerBalance->date, (Date{2024, 1, 31}));
    EXPECT_EQ(statements[2].lines[0].date, (Date{2024, 1, 5}));
}

TEST(OfxReader, FindsNoStatementWhereThereIsNone) {
    for (const char* bytes : {"", "Date,Amount\n1/2/2019,5\n", "OFXHEADER:100\nDATA:OFXSGML\n<STMTRS>",
                              "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0</STATUS></SONRS></SIGNONMSGSRSV1></OFX>",
                              "<OFX><<<<STMTTRN>>>><DTPOSTED>20190101<TRNAMT>1"})
        EXPECT_TRUE(ReadOfxStatements(bytes).empty()) << bytes;
}
