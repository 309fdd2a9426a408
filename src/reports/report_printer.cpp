#include "reports/report_printer.h"

#include <commctrl.h>
#include <commdlg.h>

#include "model/tables/dpi_scaling.h"
#include "reports/gdi_canvas.h"
#include "reports/list_view_table.h"
#include "shell/win32_handles.h"
#include "shell/window_dpi.h"

namespace {

// A font `size` pixels high at 96 DPI on the printer, as large on paper as it
// is on the screen of a window at `windowDpi`.
int PrinterHeight(HDC printer, int size, int windowDpi) {
    return PrinterFontHeight(ScaledForDpi(size, windowDpi), GetDeviceCaps(printer, LOGPIXELSY), windowDpi);
}

// A positive height is the font's cell height, the line height the layout counts with
// (a negative one would be the character height, and the lines taller).
HFONT MakeFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
}

PrintTime UtcNow() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

// Where the driver lets the orientation be chosen.
void TurnToLandscape(HGLOBAL devMode) {
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(devMode));
    if (mode == nullptr) return;
    if ((mode->dmFields & DM_ORIENTATION) != 0) mode->dmOrientation = DMORIENT_LANDSCAPE;
    GlobalUnlock(devMode);
}

}  // namespace

HDC ShowPrintDialog(HWND owner, PageOrientation orientation) {
    PRINTDLGA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    // The dialog starts at the settings it is given: the default printer's, turned. Without a
    // default printer there are none, and the dialog says so itself.
    if (orientation == PageOrientation::Landscape) {
        dialog.Flags = PD_RETURNDEFAULT;
        if (PrintDlgA(&dialog)) TurnToLandscape(dialog.hDevMode);
    }
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    const BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

namespace {

// Every font of a printout is Arial at this size, a height in screen pixels at 96 DPI.
constexpr int kFontSize = 12;

// The fonts for the device, sized from the list's screen; false without a
// list and its header, or when one cannot be made.
bool MakeFonts(HWND list, HDC device, ReportFonts& fonts) {
    if (device == nullptr || list == nullptr || ListView_GetHeader(list) == nullptr) return false;
    const int height = PrinterHeight(device, kFontSize, WindowDpi(list));
    fonts.title.Reset(MakeFont(height));
    fonts.doubleTitle.Reset(MakeFont(2 * height));
    fonts.body.Reset(MakeFont(height));
    fonts.footer.Reset(MakeFont(height));
    return fonts.title && fonts.doubleTitle && fonts.body && fonts.footer;
}

}  // namespace

bool PrintListView(HWND list, HDC printer, const std::string& title) {
    const PrintTime time = UtcNow();
    ReportFonts fonts;
    if (!MakeFonts(list, printer, fonts)) return false;
    DOCINFOA job{};
    job.cbSize = sizeof job;
    job.lpszDocName = title.c_str();
    if (StartDocA(printer, &job) <= 0) return false;
    GdiCanvas canvas(printer, fonts, true);
    PrintReport(ListViewTable(list), canvas, title, time);
    if (!canvas.PagesPrinted()) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0;
}

int DrawListPages(HWND list, HDC device, const std::string& title) {
    const PrintTime time = UtcNow();
    ReportFonts fonts;
    if (!MakeFonts(list, device, fonts)) return -1;
    GdiCanvas canvas(device, fonts, false);
    return PrintReport(ListViewTable(list), canvas, title, time);
}

void PrintList(HWND owner, HWND list, const std::string& title) {
    const UniqueDC printer(ShowPrintDialog(owner));
    if (!printer) return;
    WaitCursor wait;
    PrintListView(list, printer.Get(), title);
}
