#include <cstdio>
#include <cstdlib>

#include "model/file/atomic_save.h"
#include "model/file/csv_export.h"
#include "model/file/data_stream.h"
#include "model/program_values.h"
#include "test_files.h"

namespace {

// Every cell as Python's csv module reads the file: a line "x" and the hex
// UTF-8 bytes per cell, an empty line after each record.
std::vector<std::vector<std::string>> ReadWithPython(const std::string& path, char delimiter) {
    const std::string out = path + ".cells";
    const std::string command = "python3 -c \"import csv,sys\n"
                                "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f, open(sys.argv[2], 'w') as o:\n"
                                "    for row in csv.reader(f, delimiter=sys.argv[3]):\n"
                                "        o.write(''.join('x' + c.encode().hex() + chr(10) for c in row) + chr(10))\" '" +
                                path + "' '" + out + "' '" + delimiter + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::vector<std::vector<std::string>> rows(1);
    std::FILE* file = std::fopen(out.c_str(), "r");
    char line[1024];
    while (file != nullptr && std::fgets(line, sizeof line, file) != nullptr) {
        std::string hex(line);
        hex.pop_back();
        if (hex.empty()) {
            rows.emplace_back();
            continue;
        }
        std::string cell;
        for (std::size_t i = 1; i + 1 < hex.size(); i += 2) cell.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        rows.back().push_back(cell);
    }
    if (file != nullptr) std::fclose(file);
    rows.pop_back();
    return rows;
}

}  // namespace

TEST(CsvExport, FieldsAreQuotedAsRfc4180Says) {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"two\r\nlines", "\"two\r\nlines\""},
        {"a;b", "a;b"}, {"", ""},
    };
    for (const auto& [text, field] : cases) EXPECT_EQ(CsvField(text, ','), field) << text;
    EXPECT_EQ(CsvField("a;b", ';'), "\"a;b\"");
}

TEST(CsvExport, TheListReadsBackCellForCellInBothForms) {
    Document document = MakeSampleDocument();
    Account& account = document.accounts[0];
    account.transactions[1].payee = "Caf\xE9, \"Le\"; Bon";
    account.transactions[1].memo = "1,5 kg";
    const TransactionRows rows = BuildTransactionRows(account, kSortDescending, kDateFormatAmerican);
    ScratchDir dir;
    for (const CsvForm form : {kCommaSeparated, kSemicolonSeparated}) {
        const std::string path = dir.File("list.csv");
        ASSERT_TRUE(SaveAtomically(path, [&](DataWriter& out) { WriteTransactionListCsv(out, document, account, rows, form); }));
        const auto cells = ReadWithPython(path, form.delimiter);
        ASSERT_EQ(cells.size(), 3u);
        EXPECT_EQ(cells[0], (std::vector<std::string>{"#", "Date", "Type", "Amount", "Signed amount", "Payee", "Category",
                                                      "Memo", "Balance"}));
        const bool comma = form.decimalMark == ',';
        // Descending: the later transaction first.
        EXPECT_EQ(cells[1], (std::vector<std::string>{"1001", "2026-01-18", "Withdrawal", comma ? "42,17" : "42.17",
                                                      comma ? "-42,17" : "-42.17", "Caf\xC3\xA9, \"Le\"; Bon", "Groceries",
                                                      "1,5 kg", comma ? "1157,83" : "1157.83"}));
        EXPECT_EQ(cells[2][4], comma ? "1200,00" : "1200.00");
    }
}

TEST(CsvExport, ASummaryKeepsItsRowsWithTheSignedAmountBesideTheAmount) {
    const Document document = MakeSampleDocument();
    const Account& account = document.accounts[0];
    ScratchDir dir;
    const std::string path = dir.File("summary.csv");
    ASSERT_TRUE(SaveAtomically(path, [&](DataWriter& out) {
        WriteSummaryCsv(out, document, account, CategorySummaryRows(document, account, {2}), kCommaSeparated);
    }));
    const auto cells = ReadWithPython(path, ',');
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[0], (std::vector<std::string>{"#", "Date", "Type", "Amount", "Signed amount", "Payee", "Memo"}));
    EXPECT_EQ(cells[2][3], "Groceries");
    EXPECT_EQ(cells[4], (std::vector<std::string>{"1001", "2026-01-18", "Withdrawal", "42.17", "-42.17", "Market", ""}));
    EXPECT_EQ(cells[7][6], "Withdrawals:  42.17");
}

TEST(CsvExport, AFailedExportLeavesNoFile) {
    EXPECT_FALSE(SaveAtomically("/nonexistent-folder/x.csv", [](DataWriter&) {}));
}
