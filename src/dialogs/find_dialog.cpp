#include "dialogs/find_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/find_rules.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"

namespace {

// A cell's text as the list displays it, cut to `length` characters.
std::string CellText(int row, int column, std::size_t length) {
    std::string text(length + 1, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageA(App.transactionList, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(std::strlen(text.c_str()));
    return text;
}

FindRowTexts RowTexts(int row) {
    return {CellText(row, ColumnPayee, kFindPayeeLength), CellText(row, ColumnMemo, kFindMemoLength),
            CellText(row, ColumnNumber, kFindNumberLength)};
}

void SelectRow(int row) {
    ListView_SetItemState(App.transactionList, row, LVIS_SELECTED, LVIS_SELECTED);
    ListView_EnsureVisible(App.transactionList, row, FALSE);
}

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_DOWN);
    // The first search downwards starts at the top.
    ListView_SetItemState(App.transactionList, -1, 0, LVIS_SELECTED);
    return true;
}

void OnFindNext(HWND dialog) {
    const FindDirection direction = IsDlgButtonChecked(dialog, IDC_FIND_UP) == BST_CHECKED ? FindDirection::Up
                                                                                           : FindDirection::Down;
    const FindOutcome outcome =
        FindNext(ControlText(dialog, IDC_FIND_TEXT), IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED,
                 direction, ListView_GetNextItem(App.transactionList, -1, LVNI_SELECTED),
                 ListView_GetItemCount(App.transactionList), RowTexts);
    if (outcome.row >= 0) SelectRow(outcome.row);
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.focusSearchText) FocusWithTextSelected(dialog, IDC_FIND_TEXT);
}

}  // namespace

INT_PTR ShowFindDialog(HWND owner) {
    // "Find Next" is the OK button: it never closes the dialog.
    return RunDialog(owner, IDD_FIND_TRANSACTION, {.init = OnInit, .ok = OnFindNext});
}
