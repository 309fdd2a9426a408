#pragma once
// A report's pages drawn on a device context with GDI: a printer's, or any
// other that keeps the drawing (a metafile in the tests).

#include <windows.h>

#include "model/tables/report_layout.h"
#include "shell/win32_handles.h"

// The fonts of a printout, made for the device; the double title font is
// the title font at twice its height.
struct ReportFonts {
    UniqueFont title;
    UniqueFont doubleTitle;
    UniqueFont body;
    UniqueFont footer;
};

class GdiCanvas : public ReportCanvas {
public:
    // `pagesOnDevice`: StartPage and EndPage reach the device (a print job);
    // otherwise the pages follow one another on the same surface.
    GdiCanvas(HDC dc, const ReportFonts& fonts, bool pagesOnDevice);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    int FontHeight(Font font) override;
    int TextWidth(Font font, std::string_view text) override;
    void Text(Font font, const PrintRect& rect, std::string_view text, TextAlign align) override;
    void Line(int x1, int y1, int x2, int y2, int width) override;
    void Frame(const PrintRect& rect) override;
    void StartPage() override;
    void EndPage() override;
    int PageWidth() override;
    int PageHeight() override;

    // False once the device refused a page.
    bool PagesPrinted() const { return pagesPrinted_; }

private:
    HFONT FontOf(Font font) const;

    HDC dc_;
    const ReportFonts& fonts_;
    bool pagesOnDevice_;
    bool pagesPrinted_ = true;
};
