#include <algorithm>
#include <array>

#include "model/tables/report_layout.h"
#include "test_files.h"

// Outside the unnamed namespace, where GoogleTest's printer finds it.
static void PrintTo(const PrintRect& r, std::ostream* out) {
    *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

using Font = ReportCanvas::Font;

struct DrawnText { Font font; PrintRect rect; std::string text; TextAlign align; int page; };

// Title 10, body 12 and footer 8 units high, 10 units per character; keeps
// everything drawn with the page it went on.
class RecordingCanvas : public ReportCanvas {
public:
    RecordingCanvas(int width, int height) : width(width), height(height) {}
    int FontHeight(Font font) override { return std::array{10, 20, 12, 8}[static_cast<std::size_t>(font)]; }
    int TextWidth(Font, std::string_view text) override { return 10 * static_cast<int>(text.size()); }
    void Text(Font font, const PrintRect& rect, std::string_view text, TextAlign align) override {
        EXPECT_TRUE(open) << text;
        texts.push_back({font, rect, std::string(text), align, pages});
    }
    void Line(int x1, int y1, int x2, int y2, int width) override { lines.push_back({x1, y1, x2, y2, width}); }
    void Frame(const PrintRect& rect) override { frames.push_back(rect); }
    void StartPage() override { EXPECT_FALSE(open); open = true; ++pages; }
    void EndPage() override { EXPECT_TRUE(open); open = false; }
    int PageWidth() override { return width; }
    int PageHeight() override { return height; }

    // The one text drawn with these characters on `page`.
    DrawnText Only(const std::string& text, int page = 1) const {
        auto same = [&](const DrawnText& t) { return t.text == text && t.page == page; };
        EXPECT_EQ(std::ranges::count_if(texts, same), 1) << '"' << text << "\" on page " << page;
        const auto found = std::ranges::find_if(texts, same);
        return found != texts.end() ? *found : DrawnText{};
    }
    int Count(Font font) const { return static_cast<int>(std::ranges::count(texts, font, &DrawnText::font)); }

    int width, height, pages = 0;
    bool open = false;
    std::vector<DrawnText> texts;
    std::vector<std::array<int, 5>> lines;  // x1, y1, x2, y2, pen width
    std::vector<PrintRect> frames;
};

struct Table : ReportTable {
    Table(std::vector<ReportColumn> columns, std::vector<std::vector<std::string>> rows = {})
        : columns(std::move(columns)), rows(std::move(rows)) {}
    std::vector<ReportColumn> columns;
    std::vector<std::vector<std::string>> rows;
    int ColumnCount() const override { return static_cast<int>(columns.size()); }
    int RowCount() const override { return static_cast<int>(rows.size()); }
    ReportColumn Column(int c) const override { return columns.at(c); }
    std::string Cell(int r, int c) const override { return rows.at(r).at(c); }
};

// Numbers from 101, a payee and a right-aligned amount: columns 40, 70 and 70
// wide. With the title block the headings are at 60 and rows at 82, 100, ...
Table Ledger(int count) {
    Table t({{"Num"}, {"Payee"}, {"Amount", false, TextAlign::Right}});
    for (int r = 0; r < count; ++r) t.rows.push_back({std::to_string(101 + r), "Market", "12.50"});
    return t;
}

constexpr PrintTime kTime{2026, 3, 7, 9, 5, 2};

int Print(const Table& table, RecordingCanvas& canvas) {
    return PrintReport(table, canvas, "Ledger", kTime);
}

}  // namespace

// The page number and kTime's text are checked as drawn.
TEST(ReportTexts, PageNumberAndDayFirstZeroPaddedTime) {
    EXPECT_EQ(PageNumberText(120), "Page : 120");
    EXPECT_EQ(PrintTimeText({999, 12, 31, 23, 59, 0}), "31/12/0999  23:59:00");
}

TEST(ReportFonts, SizeInPrinterUnitsIsTruncated) {
    const struct { int size, printer, screen, height; } cases[] = {
        {12, 96, 96, 12}, {12, 600, 96, 75}, {12, 300, 96, 37}, {10, 300, 96, 31},
        {12, 72, 96, 9},  {12, 1200, 120, 120}, {1'000'000, 4800, 96, 50'000'000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrinterFontHeight(c.size, c.printer, c.screen), c.height) << c.size << ' ' << c.printer;
}

TEST(ReportColumns, WidthIsAnXPerCharacterOfTheLongestTextPlusOne) {
    const Table t({{"Date"}, {"Secret", true}, {"A"}, {""}, {"Category"}},
                  {{"03/07/2026", "zzzzzz", "", "", "x"}, {"1/1/2026", "z", "", "", ""}});
    RecordingCanvas canvas(400, 300);
    EXPECT_EQ(MeasureColumns(t, canvas), (std::vector<int>{110, 0, 20, 10, 90}));
    // The hidden column leaves no gap: the next ones move left.
    ASSERT_EQ(Print(t, canvas), 1);
    EXPECT_EQ(canvas.Only("A").rect, (PrintRect{110, 60, 129, 72}));
    EXPECT_EQ(canvas.Only("Category").rect, (PrintRect{140, 60, 229, 72}));
    EXPECT_EQ(canvas.Only("x").rect, (PrintRect{140, 82, 230, 94}));
    EXPECT_EQ(canvas.Count(Font::Body), 2 * 4 + 4);  // two rows and the headings, four columns each
}

TEST(ReportColumns, LineStopsAtTheFirstColumnThatWouldPassThePageWidth) {
    const Table t({{"A"}, {"B"}, {"C"}, {"D"}}, {{"aaaaaaaaaa", "bbbbbbbbbb", "cccccccccc", "d"}});
    RecordingCanvas clipped(300, 300);
    Print(t, clipped);
    EXPECT_EQ(clipped.Only("B").rect, (PrintRect{110, 60, 219, 72}));
    EXPECT_EQ(clipped.Count(Font::Body), 4);  // A, B and their cells; D fits but comes after C
}

TEST(ReportPages, RowThatWouldReachTheFooterGoesToTheNextPage) {
    // Footer band 8 + 4 high with its bottom at H - 1: at height 197 its top is
    // 184, where the sixth row ends; one unit less and that row moves on.
    for (auto [height, perPage] : {std::pair{197, 6}, {196, 5}}) {
        RecordingCanvas canvas(400, height);
        ASSERT_EQ(Print(Ledger(13), canvas), 3) << height;
        EXPECT_TRUE(canvas.pages == 3 && !canvas.open);
        EXPECT_EQ(canvas.Count(Font::Title), 0);  // the title block's first and last lines stay empty
        const int footerTop = height - 13;
        for (int page = 1; page <= 3; ++page) {
            EXPECT_EQ(canvas.Only("Ledger", page).rect, (PrintRect{0, 10, 400, 30}));
            EXPECT_EQ(canvas.Only("Payee", page).rect.top, 60);
            EXPECT_EQ(canvas.Only(PageNumberText(page), page).rect, (PrintRect{2, footerTop, 200, footerTop + 12}));
            EXPECT_EQ(canvas.Only("07/03/2026  09:05:02", page).rect, (PrintRect{200, footerTop, 397, footerTop + 12}));
        }
        EXPECT_EQ(canvas.frames[1], (PrintRect{0, footerTop, 399, height - 1}));
        const DrawnText lastOnFirst = canvas.Only(std::to_string(100 + perPage));
        EXPECT_EQ(lastOnFirst.rect.top, 82 + 18 * (perPage - 1));
        EXPECT_LE(lastOnFirst.rect.bottom, footerTop);
        EXPECT_EQ(canvas.Only(std::to_string(101 + perPage), 2).rect.top, 82);
    }
}

TEST(ReportPages, RowTooTallForAnEmptyPageIsPrintedAnywayAndNoRowsTakeNoPage) {
    RecordingCanvas canvas(400, 50);  // the title block alone passes the page
    EXPECT_EQ(Print(Ledger(3), canvas), 3);
    for (int page = 1; page <= 3; ++page) EXPECT_EQ(canvas.Only(std::to_string(100 + page), page).rect.top, 82);
    EXPECT_FALSE(canvas.open);
    RecordingCanvas empty(400, 300);
    EXPECT_EQ(Print(Ledger(0), empty), 0);
    EXPECT_TRUE(empty.pages == 0 && empty.texts.empty() && empty.lines.empty() && empty.frames.empty());
}

TEST(ReportLines, SeparatorsBeforeEveryColumnButTheFirstAndAThickRuleUnderTheHeadings) {
    // Headings at 60 over a rule at 72 and a row from 82 to 100; columns start at 40 and 110.
    RecordingCanvas canvas(400, 300);
    Print(Ledger(1), canvas);
    EXPECT_EQ(canvas.lines, (std::vector<std::array<int, 5>>{{38, 60, 38, 82, 0}, {108, 60, 108, 82, 0},
                                                             {0, 72, 400, 72, 3}, {38, 82, 38, 100, 0},
                                                             {108, 82, 108, 100, 0}}));
}
