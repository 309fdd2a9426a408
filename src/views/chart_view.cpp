#include "views/chart_view.h"

#include <memory>

#include "reports/chart_drawing.h"
#include "shell/program.h"
#include "shell/win32_handles.h"
#include "shell/window_dpi.h"

namespace {

// What an area keeps, in its GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY.
struct ChartView {
    const ChartFigures* figures = nullptr;
    UniqueFont font;  // for the area's DPI, made again when it moves to a screen of another
    int fontDpi = 0;
};

ChartView* ViewOf(HWND view) { return reinterpret_cast<ChartView*>(GetWindowLongPtrA(view, GWLP_USERDATA)); }

// The chart at the area's size on `dc`, or the background alone without figures.
void Draw(HDC dc, HWND window, ChartView& view) {
    if (const int dpi = WindowDpi(window); !view.font || dpi != view.fontDpi) {
        view.font = MakeChartFont(dpi, dpi);
        view.fontDpi = dpi;
    }
    RECT client;
    GetClientRect(window, &client);
    if (view.figures != nullptr)
        DrawChart(dc, view.font.Get(), *view.figures, client);
    else
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// Drawn on a bitmap first, then copied at once.
void Paint(HWND window, ChartView& view) {
    const PaintDC paint(window);
    RECT client;
    GetClientRect(window, &client);
    const UniqueDC memory(CreateCompatibleDC(paint.Get()));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    if (!memory || !bitmap) return;
    const SelectedObject selected(memory.Get(), bitmap.Get());
    Draw(memory.Get(), window, view);
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK ChartViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        auto view = std::make_unique<ChartView>();
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view.release()));
        break;
    }
    case WM_NCDESTROY:
        delete ViewOf(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        break;
    case WM_ERASEBKGND:
        return 1;  // the paint covers the whole area
    case WM_PAINT:
        Paint(window, *ViewOf(window));
        return 0;
    case WM_PRINTCLIENT:  // PrintWindow, and the tests' metafiles
        Draw(reinterpret_cast<HDC>(wParam), window, *ViewOf(window));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterChartView() {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(App.instance, kChartViewClass, &windowClass)) return true;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ChartViewProc;
    windowClass.hInstance = App.instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kChartViewClass;
    return RegisterClassA(&windowClass) != 0;
}

void ShowChartFigures(HWND view, const ChartFigures* figures) {
    ViewOf(view)->figures = figures;
    InvalidateRect(view, nullptr, FALSE);
}
