// The summaries of the current account and the printouts. No printer is
// installed here: the pages are drawn on a metafile and read back as texts
// with their places.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help_windows.h"
#include "model/statements/csv_table.h"
#include "reports/report_printer.h"
#include "resources/resource.h"
#include "sample_files.h"

namespace {

using Reports = SampleFileOpen;

struct PrintedText {
    std::string text;
    int x;
    int y;
    int page;  // from 1: a page begins with its title
};

struct Printout {
    std::string title;
    std::vector<PrintedText> texts;
    int pages = 0;
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    Printout& printout = *reinterpret_cast<Printout*>(data);
    if (record->iType != EMR_EXTTEXTOUTW) return 1;
    const auto& drawn = *reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* wide = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + drawn.emrtext.offString);
    std::string text(drawn.emrtext.nChars * 2, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, 0, wide, drawn.emrtext.nChars, text.data(), int(text.size()), nullptr,
                                    nullptr));
    if (text == printout.title) ++printout.pages;
    printout.texts.push_back({text, drawn.emrtext.ptlReference.x, drawn.emrtext.ptlReference.y, printout.pages});
    return 1;
}

// The list drawn as the printer draws it, on a metafile of the screen's size.
Printout PrintOnMetafile(HWND list, const std::string& title) {
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    const int pages = DrawListPages(list, metafile, title);
    HENHMETAFILE drawing = CloseEnhMetaFile(metafile);
    Printout printout;
    printout.title = title;
    EnumEnhMetaFile(nullptr, drawing, CollectText, &printout, nullptr);
    DeleteEnhMetaFile(drawing);
    EXPECT_EQ(pages, printout.pages);
    return printout;
}

const PrintedText* Find(const Printout& printout, const std::string& text, int page = 0) {
    for (const PrintedText& printed : printout.texts)
        if (printed.text == text && (page == 0 || printed.page == page)) return &printed;
    return nullptr;
}

}  // namespace

TEST_F(Reports, TheTransactionListPrintsOnPagesWithHeadingsRowsAndFooter) {
    for (int i = 0; i < 80; ++i)
        Program.document.GetAccount(0).AddTransaction({1.0 + i, 1, 4, 1, 2026, 2, 200 + i, "Grocer", "weekly"});
    SelectAccount(0);
    const Printout printout = PrintOnMetafile(App.transactionList, "Pennywhist - sample (Checking)");
    ASSERT_GE(printout.pages, 2);
    // Every page has its headings and footer; the rows follow the layout (unit-tested) to the last one.
    for (int page = 1; page <= printout.pages; ++page) {
        const PrintedText* heading = Find(printout, "Date", page);
        const PrintedText* footer = Find(printout, "Page : " + std::to_string(page), page);
        ASSERT_TRUE(heading && footer) << page;
        EXPECT_GT(footer->y, heading->y) << page;
    }
    EXPECT_NE(Find(printout, "279", printout.pages), nullptr);
    const PrintedText* first = Find(printout, "03/14/2026", 1);
    const PrintedText* heading = Find(printout, "Date", 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->x, heading->x);
    EXPECT_GT(first->y, heading->y);
    // Size 12 on a metafile, which has the screen's resolution, is a body font 12 units high as a
    // cell height: a row and its gap take 18 units, as the layout counts them.
    ASSERT_TRUE(Find(printout, "200") && Find(printout, "201"));
    EXPECT_EQ(Find(printout, "201")->y - Find(printout, "200")->y, 12 + 6);

    // No printer: Print shows the print dialog's own message and prints nothing.
    driver.Command(IDM_PRINT, {[](ModalWindow& box) { box.Click(GetDlgItem(box.Handle(), IDNO) ? IDNO : IDOK); }});
}

TEST_F(Reports, SummariesShowTheirRowsAndAskForACategoryFirst) {
    std::string message;
    driver.Command(IDM_SUMMARY_BY_CATEGORY, {[&](ModalWindow& dialog) {
        HWND table = GetDlgItem(dialog.Handle(), IDC_SUMMARY_TABLE);
        HWND categories = GetDlgItem(dialog.Handle(), IDC_SUMMARY_CATEGORIES);
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_PRINT_SUMMARY));
        SendMessageA(categories, LB_SETSEL, TRUE, 2);  // Groceries
        dialog.Click(IDOK);
        EXPECT_EQ(ListRow(table, 3), (Texts{"101", "03/14/2026", "Withdrawal", "45.50", "Corner Market", ""}));
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_PRINT_SUMMARY));
        // No row can be selected.
        SelectListRow(table, 3);
        EXPECT_EQ(ListView_GetNextItem(table, -1, LVNI_SELECTED), -1);

        SendMessageA(categories, LB_SETSEL, FALSE, 2);
        driver.Click(dialog, IDOK, {AnswerMessage(message)});
        EXPECT_NE(message, "");
        EXPECT_EQ(ListRowCount(table), 0);
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_PRINT_SUMMARY));
        dialog.Click(IDCANCEL);
    }});

    driver.Command(IDM_SUMMARY_BY_MONTH, {[&](ModalWindow& dialog) {
        dialog.SetDate(IDC_SUMMARY_MONTH, 2026, 3, 1);  // any day of the month
        dialog.Click(IDOK);
        HWND table = GetDlgItem(dialog.Handle(), IDC_SUMMARY_TABLE);
        EXPECT_EQ(ColumnTexts(table, 6), (Texts{"", "Paycheck", "", "Deposits:  250.00", "Withdrawals:  45.50"}));
        dialog.Click(IDCANCEL);
    }});
}

TEST_F(Reports, ExportWritesTheListAndASummaryAsTheyAreShown) {
    // The cells of an exported file, read by the statement import's own CSV reader.
    const auto exported = [](const std::string& path) {
        const std::string bytes = FileBytes(path);
        EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
        return ReadCsvTable(bytes).rows;
    };
    const std::string list = TestFile("list.csv");
    driver.Command(IDM_EXPORT, {ChooseFile(list)});
    const auto rows = exported(list);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(ListRowCount(App.transactionList)) + 1);
    for (int row = 0; row < ListRowCount(App.transactionList); ++row) {
        const Texts shown = ListRow(App.transactionList, row);
        const auto& cells = rows[static_cast<std::size_t>(row) + 1];
        EXPECT_EQ((Texts{cells[0], cells[2], cells[3], cells[5], cells[6], cells[7], cells[8]}),
                  (Texts{shown[0], shown[2], shown[3], shown[4], shown[5], shown[6], shown[7]})) << row;
    }

    const std::string summary = TestFile("summary.csv");
    driver.Command(IDM_SUMMARY_BY_CATEGORY, {[&](ModalWindow& dialog) {
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_EXPORT_SUMMARY));
        SendDlgItemMessageA(dialog.Handle(), IDC_SUMMARY_CATEGORIES, LB_SETSEL, TRUE, 2);  // Groceries
        dialog.Click(IDOK);
        driver.Click(dialog, IDC_EXPORT_SUMMARY, {ChooseFile(summary)});
        // The reader leaves out the blank rows: the heading, the transaction and the two totals stay.
        const auto cells = exported(summary);
        HWND table = GetDlgItem(dialog.Handle(), IDC_SUMMARY_TABLE);
        EXPECT_EQ(cells.size(), static_cast<std::size_t>(ListRowCount(table)) - 3 + 1);
        if (cells.size() > 2) {
            EXPECT_EQ(cells[2][5], ListCell(table, 3, 4)) << "the payee of the transaction";
        }
        dialog.Click(IDCANCEL);
    }});
}
