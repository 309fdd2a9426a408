#include "shell/window_dpi.h"

#include "model/tables/dpi_scaling.h"
#include "shell/win32_handles.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up rather than linked: older systems and Wine may not have it, and
// the program must still start there.
GetDpiForWindowFunction FindGetDpiForWindow() {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

}  // namespace

int WindowDpi(HWND window) {
    static const GetDpiForWindowFunction getDpiForWindow = FindGetDpiForWindow();
    if (getDpiForWindow != nullptr && window != nullptr)
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
    const ScreenDC screen;
    return screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : kBaseDpi;
}

UniqueFont MakeIconTitleFont(int dpi) {
    LOGFONTA font{};
    if (!SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0)) return UniqueFont();
    // The system gives its metrics at its own DPI, the screen's at sign-in.
    const ScreenDC screen;
    const int systemDpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kBaseDpi;
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    return UniqueFont(CreateFontIndirectA(&font));
}
