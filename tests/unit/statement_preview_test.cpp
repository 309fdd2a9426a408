#include "model/statements/statement_preview.h"
#include "test_files.h"

TEST(StatementFile, FormatByContentThenByExtension) {
    const struct {
        const char* path;
        const char* bytes;
        StatementFormat format;
    } cases[] = {
        {"a.csv", "\xEF\xBB\xBF  OFXHEADER:100\n", StatementFormat::Ofx},
        {"a.txt", "<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>", StatementFormat::Ofx},
        {"a.dat", "\n<ofx>", StatementFormat::Ofx},
        {"a.csv", "!Type:Bank\n", StatementFormat::Qif},
        {"a.txt", "!Account\n", StatementFormat::Qif},
        {"A.QFX", "garbage", StatementFormat::Ofx},
        {"a.qif", "", StatementFormat::Qif},
        {"a.txt", "Date,Amount\n", StatementFormat::Csv},
    };
    for (const auto& c : cases) EXPECT_EQ(StatementFormatOf(c.path, c.bytes), c.format) << c.path << " " << c.bytes;
}

TEST(StatementFile, AFileWithoutTransactionsIsRefusedAndTheChoicesGiveTheStatement) {
    for (const char* bytes : {"", "OFXHEADER:100\n<OFX></OFX>", "!Type:Bank\n^\n", "just one cell\n"})
        EXPECT_FALSE(RecogniseStatement("x", bytes)) << bytes;

    std::optional<StatementFile> qif = RecogniseStatement("x.qif", "!Type:Bank\nD3/4'19\nT-1.00\n^\n");
    ASSERT_TRUE(qif);
    EXPECT_EQ(qif->ambiguousDate, "3/4'19");
    EXPECT_EQ(DateOrderChoices(qif->ambiguousDate),
              (std::vector<std::string>{"Month first: 3/4'19 is March 4, 2019", "Day first: 3/4'19 is 3 April 2019"}));
    qif->qifOrder = DateOrder::DayMonthYear;
    EXPECT_EQ(ChosenStatement(*qif).lines.at(0).date, (Date{2019, 4, 3}));

    std::optional<StatementFile> csv = RecogniseStatement("x.csv", "Date,Payee,Amount\n01/31/2019,Shop,-5.00\nTotal,,-5.00\n");
    ASSERT_TRUE(csv);
    EXPECT_EQ(ChosenStatement(*csv).lines.size(), 1u);
    EXPECT_EQ(CsvColumnChoices(csv->table, csv->mapping), (std::vector<std::string>{"(none)", "1: Date", "2: Payee", "3: Amount"}));
    csv->mapping.indicator = 1;
    EXPECT_EQ(CsvIndicatorValues(csv->table, csv->mapping), (std::vector<std::string>{"Shop"}));
}

TEST(StatementPreview, CellsAndSummary) {
    Document document = MakeSampleDocument();
    const Statement statement{.accountId = "12-3456",
                              .lines = {{.date = {2026, 1, 15}, .cents = 120000, .payee = "Employer"},
                                        {.date = {2026, 2, 1}, .cents = -1050, .payee = "Kiosk"}}};
    const std::vector<PreviewLine> lines = PreviewStatement(document, 0, statement);
    const Account& account = document.GetAccount(0);
    EXPECT_EQ(PreviewCellText(document, account, lines[0], kPreviewStatusColumn, 0), "Already in the account");
    EXPECT_EQ(PreviewCellText(document, account, lines[1], kPreviewStatusColumn, 0), "New");
    EXPECT_EQ(PreviewCellText(document, account, lines[1], ColumnType, 0), "Withdrawal");
    EXPECT_EQ(PreviewCellText(document, account, lines[1], ColumnDate, 1), "01/02/2026");
    EXPECT_EQ(PreviewSummaryText(lines, 0), "1 of 2 lines will be added: -10.50.");
    EXPECT_EQ(PreviewSummaryText({lines[1]}, 1), "1 of 1 line will be added: -10.50. 1 line could not be read.");
    EXPECT_EQ(StatementChoiceText(statement), "Account 12-3456: 2 transactions");
}
