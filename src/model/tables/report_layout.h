#pragma once
// How a report list is put on paper: the columns measured from their texts,
// then page after page with a framed title block, the column headings over a
// thick rule, as many rows as fit, and a footer band with the page number
// and the time of printing. It draws through a canvas, so the pages can be
// checked without a printer; the shell's canvas is a printer's device context.
// All coordinates are device units from the top-left corner of the printable area.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TextAlign { Left, Center, Right };

struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

// One column of the list as its header describes it.
struct ReportColumn {
    std::string heading;  // at most 254 characters
    bool hidden = false;  // width 0 on screen: left out of the printout
    TextAlign align = TextAlign::Left;
};

// The list to print, read as the screen shows it.
class ReportTable {
public:
    virtual ~ReportTable() = default;
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;
    virtual ReportColumn Column(int column) const = 0;
    // The text of a cell, at most 254 characters.
    virtual std::string Cell(int row, int column) const = 0;
};

// What the pages are drawn on.
class ReportCanvas {
public:
    enum class Font {
        Title,        // the title block's first and last lines
        DoubleTitle,  // the title line: the title font at twice its height
        Body,         // the column headings and the rows
        Footer,
    };

    virtual ~ReportCanvas() = default;
    virtual int FontHeight(Font font) = 0;
    virtual int TextWidth(Font font, std::string_view text) = 0;
    // One line of text, vertically centred in the rectangle and cut at its
    // edges, on a transparent background.
    virtual void Text(Font font, const PrintRect& rect, std::string_view text, TextAlign align) = 0;
    // A solid black line; width 0 is the device's default pen.
    virtual void Line(int x1, int y1, int x2, int y2, int width) = 0;
    // A black frame one unit wide around the rectangle (right and bottom included).
    virtual void Frame(const PrintRect& rect) = 0;
    // A page of the job; the printable width and height are read at every page.
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;
    virtual int PageWidth() = 0;
    virtual int PageHeight() = 0;
};

// The time of printing, as the system's UTC clock gives it when printing starts.
struct PrintTime {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

// The height in printer units of a font size, which is a height in screen
// pixels: size x printer's pixels per inch / screen's, truncated. The fonts
// are made with it as their cell height (the height of a line, the font's
// height the layout counts with), so the rows of a page are the ones it
// counts. Both resolutions are positive.
int PrinterFontHeight(int size, int printerPixelsPerInch, int screenPixelsPerInch);

// "Page : %d".
std::string PageNumberText(int page);

// "%02d/%02d/%04d  %02d:%02d:%02d" of day, month, year, hour, minute, second:
// day first whatever the date order, the same on every page of a job.
std::string PrintTimeText(const PrintTime& time);

// The printed width of every column: X x (L + 1), where X is the body font's
// width of "X" and L the length of the longest of the heading and the column's
// cells; 0 for a hidden column. Reads every cell once.
std::vector<int> MeasureColumns(const ReportTable& table, ReportCanvas& canvas);

// Prints the whole table under `title`, page after page, and returns how
// many pages it took; a table without rows takes none. Every page has the
// title block, the headings and the footer band; a line of columns stops at
// the first column that would pass the page width, and a vertical line
// stands before every printed column but the first. The footer band sits
// inside the printable area at its bottom and every page's rows end above it;
// a row that does not fit even on an empty page is printed there anyway
// (cut at the page), so a printout always ends.
int PrintReport(const ReportTable& table, ReportCanvas& canvas, std::string_view title, const PrintTime& time);
