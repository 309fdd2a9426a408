#include "reports/gdi_canvas.h"

#include <string>

GdiCanvas::GdiCanvas(HDC dc, const ReportFonts& fonts, bool pagesOnDevice)
    : dc_(dc), fonts_(fonts), pagesOnDevice_(pagesOnDevice) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
}

HFONT GdiCanvas::FontOf(Font font) const {
    switch (font) {
    case Font::Title:
        return fonts_.title.Get();
    case Font::DoubleTitle:
        return fonts_.doubleTitle.Get();
    case Font::Body:
        return fonts_.body.Get();
    case Font::Footer:
        return fonts_.footer.Get();
    }
    return fonts_.body.Get();
}

int GdiCanvas::FontHeight(Font font) {
    SelectedObject selected(dc_, FontOf(font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmHeight;
}

int GdiCanvas::TextWidth(Font font, std::string_view text) {
    SelectedObject selected(dc_, FontOf(font));
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void GdiCanvas::Text(Font font, const PrintRect& rect, std::string_view text, TextAlign align) {
    SelectedObject selected(dc_, FontOf(font));
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const UINT alignment = align == TextAlign::Center ? DT_CENTER : align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &area,
              alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void GdiCanvas::Line(int x1, int y1, int x2, int y2, int width) {
    UniquePen pen(width > 0 ? CreatePen(PS_SOLID, width, RGB(0, 0, 0)) : nullptr);
    SelectedObject selected(dc_, pen ? static_cast<HGDIOBJ>(pen.Get()) : GetStockObject(BLACK_PEN));
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

void GdiCanvas::Frame(const PrintRect& rect) {
    // FrameRect leaves out the right and bottom edges of its rectangle.
    const RECT area{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
    FrameRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void GdiCanvas::StartPage() {
    if (pagesOnDevice_ && ::StartPage(dc_) <= 0) pagesPrinted_ = false;
    SetBkMode(dc_, TRANSPARENT);  // some drivers reset the context at every page
}

void GdiCanvas::EndPage() {
    if (pagesOnDevice_ && ::EndPage(dc_) <= 0) pagesPrinted_ = false;
}

int GdiCanvas::PageWidth() { return GetDeviceCaps(dc_, HORZRES); }

int GdiCanvas::PageHeight() { return GetDeviceCaps(dc_, VERTRES); }
