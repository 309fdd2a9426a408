#include "dialogs/summaries/charts_dialog.h"

#include <commctrl.h>

#include <vector>

#include "dialogs/dialog_controls.h"
#include "model/charts/chart_figures.h"
#include "model/help_topics.h"
#include "reports/chart_drawing.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "views/chart_view.h"

namespace {

struct ChartsContext {
    const Document& document;
    std::int32_t currentAccount;
    std::int32_t dateFormat;
    std::vector<ChartAccounts> accounts;  // the Accounts list's entries
    ChartFigures figures;                 // what the area shows, computed once per choice
    SIZE placedFor{};                     // the client size the controls stand for
};

ChartsContext& Context(HWND dialog) { return DialogContext<ChartsContext>(dialog); }

HWND Area(HWND dialog) { return GetDlgItem(dialog, IDC_CHART_AREA); }

void AddEntry(HWND dialog, int list, const char* text) {
    SendDlgItemMessageA(dialog, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void Choose(HWND dialog, int list, int entry) { SendDlgItemMessageA(dialog, list, CB_SETCURSEL, entry, 0); }

// The figures of the choices made, shown; the dates can be changed only for a period between two of them.
void ShowChart(HWND dialog) {
    ChartsContext& context = Context(dialog);
    const auto period = static_cast<ChartPeriod>(DropDownChoice(dialog, IDC_CHART_PERIOD));
    const bool between = period == ChartPeriod::TwoDates;
    EnableWindow(GetDlgItem(dialog, IDC_CHART_FROM), between);
    EnableWindow(GetDlgItem(dialog, IDC_CHART_TO), between);
    const int accounts = DropDownChoice(dialog, IDC_CHART_ACCOUNTS);
    if (accounts < 0 || static_cast<std::size_t>(accounts) >= context.accounts.size()) return;
    const Date today = Today();
    const DateSpan dates = PeriodDates(period, today, PickerDate(dialog, IDC_CHART_FROM), PickerDate(dialog, IDC_CHART_TO));
    context.figures = ComputeChartFigures(context.document, static_cast<ChartKind>(DropDownChoice(dialog, IDC_CHART_KIND)),
                                          context.accounts[static_cast<std::size_t>(accounts)], dates, today,
                                          context.dateFormat);
    ShowChartFigures(Area(dialog), &context.figures);
}

bool OnInit(HWND dialog) {
    ChartsContext& context = Context(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    context.placedFor = {client.right, client.bottom};
    for (const char* name : kChartNames) AddEntry(dialog, IDC_CHART_KIND, name);
    Choose(dialog, IDC_CHART_KIND, static_cast<int>(ChartKind::Spending));
    // Each account comes first in the entries, in list order.
    for (const ChartAccounts& entry : context.accounts) AddEntry(dialog, IDC_CHART_ACCOUNTS, entry.name.c_str());
    Choose(dialog, IDC_CHART_ACCOUNTS, context.currentAccount);
    for (const char* name : kChartPeriodNames) AddEntry(dialog, IDC_CHART_PERIOD, name);
    Choose(dialog, IDC_CHART_PERIOD, static_cast<int>(ChartPeriod::ThisYear));
    const Date today = Today();
    SetPickerDate(dialog, IDC_CHART_FROM, Date{today.year, 1, 1});
    SetPickerDate(dialog, IDC_CHART_TO, today);
    ShowChart(dialog);
    return true;
}

void OnChange(HWND dialog, int) { ShowChart(dialog); }

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    if ((header.idFrom == IDC_CHART_FROM || header.idFrom == IDC_CHART_TO) && header.code == DTN_DATETIMECHANGE)
        ShowChart(dialog);
    return 0;
}

bool OnCommand(HWND dialog, int control) {
    const ChartsContext& context = Context(dialog);
    switch (control) {
    case IDC_PRINT_CHART:
        PrintChart(dialog, context.figures);
        return true;
    case IDC_COPY_CHART: {
        RECT area;
        GetClientRect(Area(dialog), &area);
        CopyChart(dialog, context.figures, area.right, area.bottom);
        return true;
    }
    case IDC_HELP_BUTTON:
        ShowHelpTopic(dialog, kHelpCharts);
        return true;
    }
    return false;
}

// Moves a control by `move` and makes it `grow` wider and taller.
void Shift(HWND dialog, int control, POINT move, POINT grow) {
    HWND window = GetDlgItem(dialog, control);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(window, nullptr, rect.left + move.x, rect.top + move.y, rect.right - rect.left + grow.x,
                 rect.bottom - rect.top + grow.y, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The area takes what the dialog gained or lost; the buttons keep their distance from the bottom right corner.
void OnSize(HWND dialog, int width, int height) {
    ChartsContext& context = Context(dialog);
    const POINT change{width - context.placedFor.cx, height - context.placedFor.cy};
    context.placedFor = {width, height};
    Shift(dialog, IDC_CHART_AREA, {0, 0}, change);
    for (int button : {IDC_PRINT_CHART, IDC_COPY_CHART, IDCANCEL, IDC_HELP_BUTTON}) Shift(dialog, button, change, {0, 0});
}

}  // namespace

INT_PTR ShowChartsDialog(HWND owner, const Document& document, std::int32_t currentAccount, std::int32_t dateFormat) {
    // The dialog cannot be made without its area's class.
    if (!RegisterChartView()) return -1;
    ChartsContext context{document, currentAccount, dateFormat, ChartAccountChoices(document), {}, {}};
    return RunDialog(owner, IDD_CHARTS,
                     {.init = OnInit,
                      .command = OnCommand,
                      .change = OnChange,
                      .notify = OnNotify,
                      .size = OnSize,
                      .helpTopic = kHelpCharts},
                     &context);
}
