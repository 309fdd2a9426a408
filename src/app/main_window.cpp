// The frame window: layout, focus, menu state, toolbar tips and commands.

#include "app/main_window.h"

#include <commctrl.h>

#include <iterator>
#include <utility>

#include "app/commands.h"
#include "app/file_commands.h"
#include "app/settings.h"
#include "app/toolbar.h"
#include "model/file/encrypted_file.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "shell/scaled_pictures.h"
#include "shell/window_dpi.h"
#include "views/stats_panel.h"
#include "views/transaction_list.h"

namespace {

int WindowWidth(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.right - rect.left;
}

int WindowHeight(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

void OnInitMenuPopup() {
    const bool statsShown = App.statsPanel != nullptr && IsWindowVisible(App.statsPanel);
    CheckMenuItem(GetMenu(App.frame), IDM_SHOW_STATS, MF_BYCOMMAND | (statsShown ? MF_CHECKED : MF_UNCHECKED));
}

LRESULT OnNotify(NMHDR& header) {
    if (header.hwndFrom == App.transactionList) return OnTransactionListNotify(header);
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
        const char* tip = ToolbarTooltip(static_cast<int>(header.idFrom));
        if (tip != nullptr) info.lpszText = const_cast<char*>(tip);
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW) {
        // Common controls may ask in UTF-16 even of an ANSI window.
        auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
        const char* tip = ToolbarTooltip(static_cast<int>(header.idFrom));
        if (tip != nullptr) MultiByteToWideChar(CP_ACP, 0, tip, -1, info.szText, ARRAYSIZE(info.szText));
        return 0;
    }
    return 0;
}

// The frame has moved to a screen of another DPI: the list's columns keep
// their 96-DPI widths, the toolbar, list and stats panel are drawn for the
// new DPI with fonts of that DPI, and the frame takes the rectangle the
// system suggests.
void OnDpiChanged(int dpi, const RECT& suggested) {
    if (App.transactionList != nullptr) RescaleTransactionList(App.frameDpi, dpi);
    App.frameDpi = dpi;
    if (!RescaleMainToolbar()) ShowMessage(kErrorCreatingToolbar);
    SetFrameIcons();
    if (UniqueFont font = MakeIconTitleFont(dpi)) {
        for (HWND control : {App.transactionList, App.toolbar})
            if (control != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
        App.frameFont = std::move(font);  // the one they had until now is no longer used
    }
    if (RescaleStatsPanel())
        RefreshStats(Program.document, Program.CurrentAccountIndex);
    else
        ShowMessage(kErrorCreatingStats);
    SetWindowPos(App.frame, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame may keep its size, and then has no WM_SIZE to lay out the new toolbar and panel.
    RECT client;
    GetClientRect(App.frame, &client);
    LayoutMainWindow(client.right, client.bottom);
}

}  // namespace

void SetFrameIcons() {
    const std::pair<WPARAM, int> slots[] = {{ICON_SMALL, 16}, {ICON_BIG, 32}};
    for (std::size_t i = 0; i < std::size(slots); ++i) {
        UniqueIcon icon = LoadIconScaled(IDI_PENNYWHIST, slots[i].second, App.frameDpi);
        if (!icon) continue;
        SendMessageA(App.frame, WM_SETICON, slots[i].first, reinterpret_cast<LPARAM>(icon.Get()));
        App.frameIcons[i] = std::move(icon);  // the one shown until now is no longer used
    }
}

void LayoutMainWindow(int clientWidth, int clientHeight) {
    int top = 0;
    if (App.toolbar != nullptr) {
        SendMessageA(App.toolbar, TB_AUTOSIZE, 0, 0);
        top = WindowHeight(App.toolbar);
    }
    const int height = clientHeight > top ? clientHeight - top : 0;
    int listWidth = clientWidth;
    if (App.statsPanel != nullptr) {
        const int statsWidth = WindowWidth(App.statsPanel);
        SetWindowPos(App.statsPanel, nullptr, clientWidth - statsWidth, top, statsWidth, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (IsWindowVisible(App.statsPanel)) listWidth = clientWidth > statsWidth ? clientWidth - statsWidth : 0;
    }
    if (App.transactionList != nullptr)
        SetWindowPos(App.transactionList, nullptr, 0, top, listWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnShowStats() {
    if (App.statsPanel == nullptr) return;
    if (IsWindowVisible(App.statsPanel)) {
        ShowWindow(App.statsPanel, SW_HIDE);
        Program.ShowStats = 0;
    } else {
        ShowWindow(App.statsPanel, SW_SHOW);
        Program.ShowStats = 1;
    }
    RECT client;
    GetClientRect(App.frame, &client);
    LayoutMainWindow(client.right, client.bottom);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        LayoutMainWindow(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && App.transactionList != nullptr) SetFocus(App.transactionList);
        return 0;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup();
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) == App.transactionList && ShowTransactionListMenu(lParam)) return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_COMMAND:
        RunCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        if (!SaveBeforeClosing()) return 0;
        SaveSettings();
        DestroyWindow(window);
        return 0;
    case WM_QUERYENDSESSION:
        // Logging off or shutting down saves as closing the window does; a
        // user who keeps the window after a failed save keeps the session too.
        return SaveBeforeClosing();
    case WM_ENDSESSION:
        // The process ends without WM_CLOSE once this returns.
        if (wParam) {
            SaveSettings();
            ForgetFileSecrets(Program.document);
        }
        return 0;
    case WM_DESTROY:
        ForgetFileSecrets(Program.document);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
