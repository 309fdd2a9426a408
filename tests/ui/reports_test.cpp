// The summaries of the current account, the charts and the printouts. No
// printer is installed here: the pages and the charts are drawn on a
// metafile and read back as texts with their places, boxes and lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "help_windows.h"
#include "model/charts/chart_figures.h"
#include "model/charts/chart_layout.h"
#include "model/help_topics.h"
#include "model/statements/csv_table.h"
#include "reports/chart_drawing.h"
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

// The text of an EMR_EXTTEXTOUTW record, as the program wrote it.
std::string TextOfRecord(const ENHMETARECORD* record) {
    const auto& drawn = *reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* wide = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + drawn.emrtext.offString);
    std::string text(drawn.emrtext.nChars * 2, '\0');
    text.resize(WideCharToMultiByte(CP_ACP, 0, wide, drawn.emrtext.nChars, text.data(), int(text.size()), nullptr,
                                    nullptr));
    return text;
}

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    Printout& printout = *reinterpret_cast<Printout*>(data);
    if (record->iType != EMR_EXTTEXTOUTW) return 1;
    const auto& drawn = *reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const std::string text = TextOfRecord(record);
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

// A chart drawn on a metafile: its texts, its filled rectangles and its
// lines, each with the colour it was drawn in.
struct DrawnChart {
    struct Text {
        std::string text;
        int y;
    };
    struct Shape {
        RECT rect;
        COLORREF colour;
        DWORD points = 0;
    };
    std::vector<Text> texts;
    std::vector<Shape> boxes;
    std::vector<Shape> lines;
    // While reading: the colours of the pens and brushes made, by handle index, and those selected.
    std::map<DWORD, std::pair<bool, COLORREF>> penOrBrush;
    COLORREF pen = 0;
    COLORREF brush = 0;
};

RECT RectOf(const RECTL& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

int CALLBACK CollectChart(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    DrawnChart& chart = *reinterpret_cast<DrawnChart*>(data);
    switch (record->iType) {
    case EMR_CREATEPEN: {
        const auto& made = *reinterpret_cast<const EMRCREATEPEN*>(record);
        chart.penOrBrush[made.ihPen] = {true, made.lopn.lopnColor};
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        const auto& made = *reinterpret_cast<const EMRCREATEBRUSHINDIRECT*>(record);
        chart.penOrBrush[made.ihBrush] = {false, made.lb.lbColor};
        break;
    }
    case EMR_SELECTOBJECT: {
        const auto found = chart.penOrBrush.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
        if (found != chart.penOrBrush.end()) (found->second.first ? chart.pen : chart.brush) = found->second.second;
        break;
    }
    case EMR_RECTANGLE:
        chart.boxes.push_back({RectOf(reinterpret_cast<const EMRRECTANGLE*>(record)->rclBox), chart.brush});
        break;
    case EMR_POLYLINE16: {
        const auto& line = *reinterpret_cast<const EMRPOLYLINE16*>(record);
        chart.lines.push_back({RectOf(line.rclBounds), chart.pen, line.cpts});
        break;
    }
    case EMR_POLYLINE: {
        const auto& line = *reinterpret_cast<const EMRPOLYLINE*>(record);
        chart.lines.push_back({RectOf(line.rclBounds), chart.pen, line.cptl});
        break;
    }
    case EMR_EXTTEXTOUTW:
        chart.texts.push_back(
            {TextOfRecord(record), reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext.ptlReference.y});
        break;
    }
    return 1;
}

DrawnChart ReadChart(HENHMETAFILE drawing) {
    DrawnChart chart;
    EnumEnhMetaFile(nullptr, drawing, CollectChart, &chart, nullptr);
    return chart;
}

// What the chart area shows, drawn as it paints itself.
DrawnChart DrawnArea(HWND area) {
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    SendMessageA(area, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(metafile), PRF_CLIENT);
    HENHMETAFILE drawing = CloseEnhMetaFile(metafile);
    DrawnChart chart = ReadChart(drawing);
    DeleteEnhMetaFile(drawing);
    return chart;
}

COLORREF ColourOf(ChartInk ink) {
    const ChartColour colour = InkColour(ink);
    return RGB(colour.red, colour.green, colour.blue);
}

const DrawnChart::Text* FindText(const DrawnChart& chart, const std::string& text) {
    for (const DrawnChart::Text& drawn : chart.texts)
        if (drawn.text == text) return &drawn;
    return nullptr;
}

std::vector<std::string> TextsOf(const DrawnChart& chart) {
    std::vector<std::string> texts;
    for (const DrawnChart::Text& drawn : chart.texts) texts.push_back(drawn.text);
    return texts;
}

// Horizontal bars in `ink`, top to bottom, each as long as the one below or longer, beside
// the names of their categories in the same order.
void ExpectBarsLargestFirst(const DrawnChart& chart, ChartInk ink, const std::vector<std::string>& categories) {
    std::vector<RECT> bars;
    for (const DrawnChart::Shape& box : chart.boxes)
        if (box.colour == ColourOf(ink)) bars.push_back(box.rect);
    std::sort(bars.begin(), bars.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
    ASSERT_EQ(bars.size(), categories.size());
    for (std::size_t i = 1; i < bars.size(); ++i)
        EXPECT_GE(bars[i - 1].right - bars[i - 1].left, bars[i].right - bars[i].left) << i;
    for (const std::string& category : categories) ASSERT_TRUE(FindText(chart, category)) << category;
    for (std::size_t i = 1; i < categories.size(); ++i)
        EXPECT_GT(FindText(chart, categories[i])->y, FindText(chart, categories[i - 1])->y) << categories[i];
}

RECT PlaceIn(HWND dialog, int control) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, control), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE WindowSize(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
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

TEST_F(Reports, ChartsDrawTheChosenChartAndPrintAndCopyIt) {
    HelpRecorder help;
    // Spending in three categories, the largest entered last; income in two.
    Program.document.GetAccount(0).AddTransaction({300.0, 1, 3, 2, 2026, 3, 103, "Landlord", ""});
    const auto name = [](int category) { return std::string(Program.document.categories[category].c_str()); };
    const std::vector<std::string> spending = {name(3), name(1), name(2)};  // 300.00, 120.00, 45.50
    const std::vector<std::string> income = {name(0), name(8)};             // 1000.00, 250.00
    ASSERT_TRUE(MenuEnabled(IDM_CHARTS));

    const struct {
        ChartKind kind;
        std::function<void(const DrawnChart&)> check;
    } charts[] = {
        {ChartKind::Spending, [&](const DrawnChart& chart) { ExpectBarsLargestFirst(chart, ChartInk::Spending, spending); }},
        {ChartKind::Income, [&](const DrawnChart& chart) { ExpectBarsLargestFirst(chart, ChartInk::Income, income); }},
        {ChartKind::Balance,
         [](const DrawnChart& chart) {
             EXPECT_TRUE(std::any_of(chart.lines.begin(), chart.lines.end(), [](const DrawnChart::Shape& line) {
                 return line.colour == ColourOf(ChartInk::Balance) && line.points >= 2;
             }));
         }},
        {ChartKind::Months,
         [](const DrawnChart& chart) {
             for (int month = 1; month <= 3; ++month)
                 EXPECT_TRUE(FindText(chart, MonthLabel(2026, month, 1))) << month;
         }},
    };

    driver.Command(IDM_CHARTS, {[&](ModalWindow& dialog) {
        HWND area = GetDlgItem(dialog.Handle(), IDC_CHART_AREA);
        // At the current account and this year; the dates are for a period between two of them.
        EXPECT_EQ(dialog.Text(IDC_CHART_ACCOUNTS), "Checking");
        EXPECT_EQ(dialog.Text(IDC_CHART_PERIOD), "This year");
        EXPECT_FALSE(dialog.IsControlEnabled(IDC_CHART_FROM));
        dialog.SetDate(IDC_CHART_FROM, 2026, 1, 1);
        dialog.SetDate(IDC_CHART_TO, 2026, 3, 31);
        dialog.Pick(IDC_CHART_PERIOD, static_cast<int>(ChartPeriod::TwoDates));
        EXPECT_TRUE(dialog.IsControlEnabled(IDC_CHART_FROM) && dialog.IsControlEnabled(IDC_CHART_TO));

        for (const auto& chart : charts) {
            SCOPED_TRACE(kChartNames[static_cast<int>(chart.kind)]);
            dialog.Pick(IDC_CHART_KIND, static_cast<int>(chart.kind));
            chart.check(DrawnArea(area));
        }

        // Copy puts the chart as shown on the clipboard, as a picture and as a bitmap.
        ASSERT_TRUE(OpenClipboard(dialog.Handle()));
        EmptyClipboard();
        CloseClipboard();
        dialog.Click(IDC_COPY_CHART);
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
        ASSERT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
        ASSERT_TRUE(OpenClipboard(dialog.Handle()));
        const DrawnChart copied = ReadChart(static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE)));
        CloseClipboard();
        EXPECT_EQ(TextsOf(copied), TextsOf(DrawnArea(area)));

        // The area takes what the dialog gains, the buttons keep to the bottom right corner, and
        // the dialog is no smaller than its template.
        const SIZE smallest = WindowSize(dialog.Handle());
        const RECT area0 = PlaceIn(dialog.Handle(), IDC_CHART_AREA);
        const RECT help0 = PlaceIn(dialog.Handle(), IDC_HELP_BUTTON);
        SetWindowPos(dialog.Handle(), nullptr, 0, 0, smallest.cx + 100, smallest.cy + 60, SWP_NOMOVE | SWP_NOZORDER);
        const RECT area1 = PlaceIn(dialog.Handle(), IDC_CHART_AREA);
        const RECT help1 = PlaceIn(dialog.Handle(), IDC_HELP_BUTTON);
        EXPECT_EQ((std::vector<LONG>{area1.left, area1.top, area1.right, area1.bottom}),
                  (std::vector<LONG>{area0.left, area0.top, area0.right + 100, area0.bottom + 60}));
        EXPECT_EQ((std::vector<LONG>{help1.left, help1.top}), (std::vector<LONG>{help0.left + 100, help0.top + 60}));
        SetWindowPos(dialog.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(WindowSize(dialog.Handle()).cx, smallest.cx);
        EXPECT_EQ(WindowSize(dialog.Handle()).cy, smallest.cy);

        // No printer: Print shows the print dialog's own message and prints nothing.
        driver.Click(dialog, IDC_PRINT_CHART,
                     {[](ModalWindow& box) { box.Click(GetDlgItem(box.Handle(), IDNO) ? IDNO : IDOK); }});
        dialog.Click(IDC_HELP_BUTTON);
        dialog.Click(IDCANCEL);
    }});
    EXPECT_EQ(help.Take(), (std::vector<HelpRecorder::Request>{{HELP_CONTEXT, kHelpCharts}}));

    // The printed page, drawn on a metafile: one page, the chart's title once, its bars.
    const DateSpan period = PeriodDates(ChartPeriod::ThisYear, Today(), {}, {});
    const ChartFigures figures = ComputeChartFigures(Program.document, ChartKind::Spending,
                                                     ChartAccountChoices(Program.document)[0], period, Today(), 0);
    HDC metafile = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(DrawChartPage(metafile, figures, kBaseDpi), 1);
    HENHMETAFILE page = CloseEnhMetaFile(metafile);
    const DrawnChart printed = ReadChart(page);
    DeleteEnhMetaFile(page);
    const std::vector<std::string> texts = TextsOf(printed);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), figures.title), 1);
    ExpectBarsLargestFirst(printed, ChartInk::Spending, spending);
}
