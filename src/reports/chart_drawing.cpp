#include "reports/chart_drawing.h"

#include <string>
#include <vector>

#include "model/tables/report_layout.h"
#include "reports/report_printer.h"
#include "shell/window_dpi.h"

namespace {

int LineHeightOf(HDC dc) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

GdiChartMeasure::GdiChartMeasure(HDC dc, HFONT font) : dc_(dc), selected_(dc, font), lineHeight_(LineHeightOf(dc)) {}

int GdiChartMeasure::TextWidth(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int GdiChartMeasure::LineHeight() const { return lineHeight_; }

UniqueFont MakeChartFont(int devicePixelsPerInch, int windowDpi) {
    constexpr int kPoints = 8;
    const int height = PrinterFontHeight(MulDiv(kPoints, windowDpi, 72), devicePixelsPerInch, windowDpi);
    // Negative: the height of the characters, which is what a size in points gives.
    return UniqueFont(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial"));
}

namespace {

COLORREF Colour(ChartInk ink) {
    const ChartColour colour = InkColour(ink);
    return RGB(colour.red, colour.green, colour.blue);
}

RECT Placed(const PrintRect& rect, POINT origin) {
    return {origin.x + rect.left, origin.y + rect.top, origin.x + rect.right, origin.y + rect.bottom};
}

void FillBox(HDC dc, const ChartShape& shape, POINT origin) {
    const UniqueBrush brush(CreateSolidBrush(Colour(shape.ink)));
    if (!brush) return;
    const SelectedObject selectedBrush(dc, brush.Get());
    const SelectedObject noOutline(dc, GetStockObject(NULL_PEN));
    // Without an outline a rectangle leaves out its right and bottom edges.
    const RECT box = Placed(shape.rect, origin);
    Rectangle(dc, box.left, box.top, box.right + 1, box.bottom + 1);
}

void DrawLine(HDC dc, const ChartShape& shape, POINT origin) {
    const UniquePen pen(CreatePen(PS_SOLID, shape.width, Colour(shape.ink)));
    if (!pen || shape.points.size() < 2) return;
    std::vector<POINT> points;
    points.reserve(shape.points.size());
    for (const ChartPoint& point : shape.points) points.push_back({origin.x + point.x, origin.y + point.y});
    const SelectedObject selected(dc, pen.Get());
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void DrawLabel(HDC dc, const ChartShape& shape, POINT origin) {
    RECT area = Placed(shape.rect, origin);
    const UINT alignment =
        shape.align == TextAlign::Center ? DT_CENTER : shape.align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
    SetTextColor(dc, Colour(shape.ink));
    // DrawText cuts the text at the rectangle's edges.
    DrawTextA(dc, shape.text.data(), static_cast<int>(shape.text.size()), &area,
              alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

void DrawChartPicture(HDC dc, HFONT font, const ChartPicture& picture, POINT origin) {
    const SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    for (const ChartShape& shape : picture.shapes) {
        switch (shape.kind) {
        case ChartShape::Box:
            FillBox(dc, shape, origin);
            break;
        case ChartShape::Line:
            DrawLine(dc, shape, origin);
            break;
        case ChartShape::Label:
            DrawLabel(dc, shape, origin);
            break;
        }
    }
}

void DrawChart(HDC dc, HFONT font, const ChartFigures& figures, const RECT& area) {
    ChartPicture picture;
    {
        const GdiChartMeasure measure(dc, font);
        picture = LayOutChart(figures, measure, area.right - area.left, area.bottom - area.top);
    }
    DrawChartPicture(dc, font, picture, {area.left, area.top});
}

namespace {

// The chart over the printable area.
void DrawOnPage(HDC device, HFONT font, const ChartFigures& figures) {
    DrawChart(device, font, figures, {0, 0, GetDeviceCaps(device, HORZRES), GetDeviceCaps(device, VERTRES)});
}

}  // namespace

int DrawChartPage(HDC device, const ChartFigures& figures, int windowDpi) {
    const UniqueFont font = MakeChartFont(GetDeviceCaps(device, LOGPIXELSY), windowDpi);
    if (!font) return -1;
    DrawOnPage(device, font.Get(), figures);
    return 1;
}

bool PrintChartPage(HDC printer, const ChartFigures& figures, int windowDpi) {
    const UniqueFont font = MakeChartFont(GetDeviceCaps(printer, LOGPIXELSY), windowDpi);
    if (!font) return false;
    DOCINFOA job{};
    job.cbSize = sizeof job;
    job.lpszDocName = figures.title.c_str();
    if (StartDocA(printer, &job) <= 0) return false;
    if (StartPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    DrawOnPage(printer, font.Get(), figures);
    if (EndPage(printer) <= 0) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

void PrintChart(HWND owner, const ChartFigures& figures) {
    const UniqueDC printer(ShowPrintDialog(owner, PageOrientation::Landscape));
    if (!printer) return;
    WaitCursor wait;
    PrintChartPage(printer.Get(), figures, WindowDpi(owner));
}

namespace {

UniqueEnhMetaFile DrawMetafile(HDC reference, HFONT font, const ChartFigures& figures, int width, int height) {
    // Without a frame the metafile's is the drawing's extent: the whole background box.
    const HDC metafile = CreateEnhMetaFileA(reference, nullptr, nullptr, "Pennywhist\0Chart\0");
    if (metafile == nullptr) return UniqueEnhMetaFile();
    DrawChart(metafile, font, figures, {0, 0, width, height});
    return UniqueEnhMetaFile(CloseEnhMetaFile(metafile));
}

UniqueBitmap DrawBitmap(HDC reference, HFONT font, const ChartFigures& figures, int width, int height) {
    UniqueBitmap bitmap(CreateCompatibleBitmap(reference, width, height));
    const UniqueDC memory(CreateCompatibleDC(reference));
    if (!bitmap || !memory) return UniqueBitmap();
    const SelectedObject selected(memory.Get(), bitmap.Get());
    DrawChart(memory.Get(), font, figures, {0, 0, width, height});
    return bitmap;
}

// Both on the clipboard, which then owns them, or neither.
bool PutOnClipboard(HWND owner, UniqueEnhMetaFile& metafile, UniqueBitmap& bitmap) {
    if (!OpenClipboard(owner)) return false;
    bool put = EmptyClipboard() && SetClipboardData(CF_ENHMETAFILE, metafile.Get()) != nullptr;
    if (put) {
        metafile.Detach();
        put = SetClipboardData(CF_BITMAP, bitmap.Get()) != nullptr;
        if (put)
            bitmap.Detach();
        else
            EmptyClipboard();  // which frees the metafile
    }
    CloseClipboard();
    return put;
}

}  // namespace

bool CopyChart(HWND owner, const ChartFigures& figures, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    const int dpi = WindowDpi(owner);
    const UniqueFont font = MakeChartFont(dpi, dpi);
    if (!font) return false;
    ScreenDC screen;
    UniqueEnhMetaFile metafile = DrawMetafile(screen.Get(), font.Get(), figures, width, height);
    UniqueBitmap bitmap = DrawBitmap(screen.Get(), font.Get(), figures, width, height);
    return metafile && bitmap && PutOnClipboard(owner, metafile, bitmap);
}
