#include "reports/report_printer.h"

#include <commctrl.h>
#include <commdlg.h>

#include "reports/gdi_canvas.h"
#include "reports/list_view_table.h"
#include "shell/win32_handles.h"

namespace {

int PrinterHeight(HDC printer, int size) {
    ScreenDC screen;
    return PrinterFontHeight(size, GetDeviceCaps(printer, LOGPIXELSY), GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

// A positive height is the font's cell height, the line height the layout counts with
// (a negative one would be the character height, and the lines taller).
HFONT MakeFont(int height, const std::string& face) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

PrintTime UtcNow() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

HDC ShowPrintDialog(HWND owner) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    const BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

ReportPrinter::~ReportPrinter() {
    if (printerDC != nullptr) DeleteDC(printerDC);
}

bool ReportPrinter::MakeFonts(ReportFonts& fonts) {
    if (printerDC == nullptr || listView == nullptr || ListView_GetHeader(listView) == nullptr) return false;
    if (autoSizeColumns) {
        const int columns = ListViewTable(listView).ColumnCount();
        for (int column = 0; column < columns; ++column)
            ListView_SetColumnWidth(listView, column, LVSCW_AUTOSIZE_USEHEADER);
    }
    fonts.title.Reset(MakeFont(PrinterHeight(printerDC, titleSize), titleFace));
    fonts.doubleTitle.Reset(MakeFont(2 * PrinterHeight(printerDC, titleSize), titleFace));
    fonts.body.Reset(MakeFont(PrinterHeight(printerDC, bodySize), bodyFace));
    fonts.footer.Reset(MakeFont(PrinterHeight(printerDC, footerSize), footerFace));
    return fonts.title && fonts.doubleTitle && fonts.body && fonts.footer;
}

bool ReportPrinter::Print(const std::string& title) {
    const PrintTime time = UtcNow();
    ReportFonts fonts;
    if (!MakeFonts(fonts)) return false;
    DOCINFOA job{};
    job.cbSize = sizeof job;
    job.lpszDocName = title.c_str();
    if (StartDocA(printerDC, &job) <= 0) return false;
    GdiCanvas canvas(printerDC, fonts, true);
    PrintReport(ListViewTable(listView), canvas, options, title, time);
    if (!canvas.PagesPrinted()) {
        AbortDoc(printerDC);
        return false;
    }
    return EndDoc(printerDC) > 0;
}

int ReportPrinter::DrawPages(const std::string& title) {
    const PrintTime time = UtcNow();
    ReportFonts fonts;
    if (!MakeFonts(fonts)) return -1;
    GdiCanvas canvas(printerDC, fonts, false);
    return PrintReport(ListViewTable(listView), canvas, options, title, time);
}

void PrintList(HWND owner, HWND list, const std::string& title) {
    ReportPrinter printer;
    printer.printerDC = ShowPrintDialog(owner);
    if (printer.printerDC == nullptr) return;
    WaitCursor wait;
    printer.listView = list;
    printer.titleSize = printer.footerSize = printer.bodySize = 12;
    printer.Print(title);
}
