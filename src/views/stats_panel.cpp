#include "views/stats_panel.h"

#include "model/tables/stats_figures.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "shell/scaled_pictures.h"

namespace {

constexpr int kLabels[4] = {IDC_STAT_LABEL1, IDC_STAT_LABEL2, IDC_STAT_LABEL3, IDC_STAT_LABEL4};
constexpr int kValues[4] = {IDC_STAT_VALUE1, IDC_STAT_VALUE2, IDC_STAT_VALUE3, IDC_STAT_VALUE4};
constexpr int kColons[4] = {IDC_STAT_COLON1, IDC_STAT_COLON2, IDC_STAT_COLON3, IDC_STAT_COLON4};

void SetHeadingIcon(HWND panel, int control, UniqueIcon& kept, int icon) {
    kept = LoadSmallIcon(icon, App.frameDpi);
    SendDlgItemMessageA(panel, control, STM_SETICON, reinterpret_cast<WPARAM>(kept.Get()), 0);
}

INT_PTR CALLBACK StatsPanelProc(HWND panel, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetHeadingIcon(panel, IDC_ACCOUNT_STATS_ICON, App.statsPanelIcons[0], IDI_ACCOUNT_STATS);
        SetHeadingIcon(panel, IDC_BILLS_DEPOSITS_ICON, App.statsPanelIcons[1], IDI_BILLS_DEPOSITS);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool CreateStatsPanel() {
    App.statsPanel = CreateDialogA(App.instance, MAKEINTRESOURCEA(IDD_STATS_PANEL), App.frame, StatsPanelProc);
    return App.statsPanel != nullptr;
}

bool RescaleStatsPanel() {
    const bool shown = App.statsPanel != nullptr && IsWindowVisible(App.statsPanel);
    if (App.statsPanel != nullptr) DestroyWindow(App.statsPanel);
    App.statsPanel = nullptr;
    if (!CreateStatsPanel()) return false;
    if (shown) ShowWindow(App.statsPanel, SW_SHOW);
    return true;
}

void RefreshStats(const Document& document, std::int32_t account) {
    if (App.statsPanel == nullptr) return;
    const StatsFigures figures = ComputeStatsFigures(document, account, Today(), Program.DateFormat);
    SetDlgItemTextA(App.statsPanel, IDC_TODAYS_DATE, figures.today.c_str());
    SetDlgItemTextA(App.statsPanel, IDC_NEXT_BILL, figures.nextBill.c_str());
    SetDlgItemTextA(App.statsPanel, IDC_NEXT_DEPOSIT, figures.nextDeposit.c_str());
    SetDlgItemTextA(App.statsPanel, IDC_CLEARED_BALANCE, figures.clearedBalance.c_str());
    for (int row = 0; row < 4; ++row) {
        SetDlgItemTextA(App.statsPanel, kLabels[row], figures.labels[row].c_str());
        SetDlgItemTextA(App.statsPanel, kValues[row], figures.values[row].c_str());
        ShowWindow(GetDlgItem(App.statsPanel, kColons[row]), figures.colonShown[row] ? SW_SHOW : SW_HIDE);
    }
}
