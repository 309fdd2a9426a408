#include "views/stats_panel.h"

#include "app/main_window.h"
#include "resources/resource.h"

namespace {

void SetHeadingIcon(HWND panel, int control, int icon) {
    // Shared icons are owned by the module and need no release.
    HANDLE image = LoadImageA(App.instance, MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, LR_SHARED);
    SendDlgItemMessageA(panel, control, STM_SETICON, reinterpret_cast<WPARAM>(image), 0);
}

INT_PTR CALLBACK StatsPanelProc(HWND panel, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetHeadingIcon(panel, IDC_ACCOUNT_STATS_ICON, IDI_ACCOUNT_STATS);
        SetHeadingIcon(panel, IDC_BILLS_DEPOSITS_ICON, IDI_BILLS_DEPOSITS);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool CreateStatsPanel() {
    App.statsPanel = CreateDialogA(App.instance, MAKEINTRESOURCEA(IDD_STATS_PANEL), App.frame, StatsPanelProc);
    return App.statsPanel != nullptr;
}
