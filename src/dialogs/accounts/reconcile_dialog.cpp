#include "dialogs/accounts/reconcile_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "model/help_topics.h"
#include "model/rules/reconcile_rules.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/list_view.h"
#include "shell/program.h"

namespace {

struct ReconcileContext {
    Account& account;
    Reconciliation reconciliation;
};

ReconcileContext& Context(HWND dialog) { return DialogContext<ReconcileContext>(dialog); }

HWND Rows(HWND dialog) { return GetDlgItem(dialog, IDC_RECONCILE_LIST); }

// The fields' texts take a document only for the category, which the list does not show.
const Document kNoCategories;

std::optional<std::int64_t> ClosingBalance(HWND dialog) {
    return ReadClosingBalance(ControlText(dialog, IDC_RECONCILE_BALANCE));
}

// The figures, and the buttons they allow: Finish at a difference of 0.00,
// Adjust at any other.
void ShowFigures(HWND dialog) {
    const ReconcileContext& context = Context(dialog);
    const ReconcileFigures figures = FiguresOf(context.reconciliation, ClosingBalance(dialog));
    const ReconcileTexts texts = TextsOf(figures, context.account.type);
    SetDlgItemTextA(dialog, IDC_RECONCILE_OPENING, texts.opening.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_IN_LABEL, texts.inLabel.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_IN, texts.in.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_OUT_LABEL, texts.outLabel.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_OUT, texts.out.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_CLEARED, texts.cleared.c_str());
    SetDlgItemTextA(dialog, IDC_RECONCILE_DIFFERENCE, texts.difference.c_str());
    EnableWindow(GetDlgItem(dialog, IDOK), figures.difference == 0);
    EnableWindow(GetDlgItem(dialog, IDC_RECONCILE_ADJUST), figures.difference && *figures.difference != 0);
}

void ShowRows(HWND dialog) {
    const Reconciliation& reconciliation = Context(dialog).reconciliation;
    SendMessageA(Rows(dialog), LVM_SETITEMCOUNT, reconciliation.rows.size(), 0);
    InvalidateRect(Rows(dialog), nullptr, TRUE);
    ShowFigures(dialog);
}

// Each listed row takes the tick the first of them did not have.
void ToggleTicks(HWND dialog, const std::vector<int>& rows) {
    ReconcileContext& context = Context(dialog);
    Reconciliation& reconciliation = context.reconciliation;
    const auto listed = [&](int row) { return row >= 0 && static_cast<std::size_t>(row) < reconciliation.rows.size(); };
    if (rows.empty() || !listed(rows.front())) return;
    const bool tick = !reconciliation.ticked[static_cast<std::size_t>(reconciliation.rows[rows.front()])];
    for (int row : rows)
        if (listed(row)) SetTick(reconciliation, context.account, row, tick);
    ListView_RedrawItems(Rows(dialog), rows.front(), rows.back());
    ShowFigures(dialog);
}

bool OnInit(HWND dialog) {
    ReconcileContext& context = Context(dialog);
    HWND rows = Rows(dialog);
    AddListColumns(rows, kReconcileColumns);
    const DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageA(rows, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageA(rows, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    KeepSpaceForTicks(rows);
    SetPickerDate(dialog, IDC_RECONCILE_DATE, context.reconciliation.closingDate);
    SetDlgItemTextA(dialog, IDC_RECONCILE_BALANCE, ClosingBalanceText(context.account).c_str());
    ShowRows(dialog);
    return true;
}

LRESULT OnNotify(HWND dialog, NMHDR& header) {
    ReconcileContext& context = Context(dialog);
    Reconciliation& reconciliation = context.reconciliation;
    if (header.idFrom == IDC_RECONCILE_DATE && header.code == DTN_DATETIMECHANGE) {
        reconciliation.closingDate = PickerDate(dialog, IDC_RECONCILE_DATE);
        ListRows(reconciliation, context.account);
        ShowRows(dialog);
        return 0;
    }
    if (header.hwndFrom != Rows(dialog)) return 0;
    switch (header.code) {
    case LVN_GETDISPINFOA: {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
        if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= reconciliation.rows.size()) return 0;
        const std::int32_t position = reconciliation.rows[static_cast<std::size_t>(item.iItem)];
        AnswerCheckBox(item, reconciliation.ticked[static_cast<std::size_t>(position)]);
        const int column = std::clamp(item.iSubItem, 0, static_cast<int>(std::size(kReconcileColumns)) - 1);
        AnswerCellText(item, TransactionFieldText(kNoCategories, context.account, context.account.GetTransaction(position),
                                                  kReconcileColumns[column].field, Program.DateFormat));
        return 0;
    }
    case NM_CLICK:
    case NM_DBLCLK:
        if (const int row = CheckBoxRowClicked(Rows(dialog), reinterpret_cast<NMITEMACTIVATE&>(header)); row >= 0)
            ToggleTicks(dialog, {row});
        return 0;
    case LVN_KEYDOWN:
        if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_SPACE) ToggleTicks(dialog, SelectedRows(Rows(dialog)));
        return 0;
    }
    return 0;
}

void Finish(HWND dialog, bool later) {
    ReconcileContext& context = Context(dialog);
    const bool finished = later ? FinishReconciliationLater(context.account, context.reconciliation)
                                : FinishReconciliation(context.account, context.reconciliation);
    if (!finished) {
        ShowMessage(kErrorAddingTransaction, dialog);
        return;
    }
    EndDialog(dialog, IDOK);
}

// Enter comes as IDOK while Finish is disabled too.
void OnFinish(HWND dialog) {
    if (IsWindowEnabled(GetDlgItem(dialog, IDOK))) Finish(dialog, false);
}

bool OnCommand(HWND dialog, int control) {
    ReconcileContext& context = Context(dialog);
    switch (control) {
    case IDC_FINISH_LATER:
        Finish(dialog, true);
        return true;
    case IDC_RECONCILE_ADJUST:
        Adjust(context.reconciliation, ClosingBalance(dialog));
        ShowFigures(dialog);
        return true;
    case IDC_TICK_ALL:
    case IDC_UNTICK_ALL:
        SetAllTicks(context.reconciliation, context.account, control == IDC_TICK_ALL);
        InvalidateRect(Rows(dialog), nullptr, FALSE);
        ShowFigures(dialog);
        return true;
    case IDC_SHOW_LATER:
        context.reconciliation.showsLater = IsDlgButtonChecked(dialog, IDC_SHOW_LATER) == BST_CHECKED;
        ListRows(context.reconciliation, context.account);
        ShowRows(dialog);
        return true;
    case IDC_HELP_BUTTON:
        ShowHelpTopic(dialog, kHelpReconcile);
        return true;
    }
    return false;
}

void OnChange(HWND dialog, int control) {
    if (control == IDC_RECONCILE_BALANCE) ShowFigures(dialog);
}

}  // namespace

INT_PTR ShowReconcileDialog(HWND owner, Account& account) {
    ReconcileContext context{account, StartReconciliation(account, Today())};
    return RunDialog(owner, IDD_RECONCILE,
                     {.init = OnInit, .ok = OnFinish, .command = OnCommand, .change = OnChange, .notify = OnNotify,
                      .helpTopic = kHelpReconcile},
                     &context);
}
