#include "dialogs/find_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "dialogs/dialog_controls.h"
#include "model/find_rules.h"
#include "model/transaction_rows.h"
#include "resources/resource.h"

namespace {

HWND SearchedList(HWND dialog) { return DialogContext<HWND>(dialog); }

// A cell's text as the list displays it, cut to `length` characters.
std::string CellText(HWND list, int row, int column, std::size_t length) {
    std::string text(length + 1, '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    text.resize(std::strlen(text.c_str()));
    return text;
}

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_DOWN);
    // The first search downwards starts at the top.
    ListView_SetItemState(SearchedList(dialog), -1, 0, LVIS_SELECTED);
    return true;
}

void OnFindNext(HWND dialog) {
    HWND list = SearchedList(dialog);
    const FindDirection direction = IsDlgButtonChecked(dialog, IDC_FIND_UP) == BST_CHECKED ? FindDirection::Up
                                                                                           : FindDirection::Down;
    const auto rowTexts = [list](int row) {
        return FindRowTexts{CellText(list, row, ColumnPayee, kFindPayeeLength),
                            CellText(list, row, ColumnMemo, kFindMemoLength),
                            CellText(list, row, ColumnNumber, kFindNumberLength)};
    };
    const FindOutcome outcome =
        FindNext(ControlText(dialog, IDC_FIND_TEXT), IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED,
                 direction, ListView_GetNextItem(list, -1, LVNI_SELECTED), ListView_GetItemCount(list), rowTexts);
    if (outcome.row >= 0) {
        ListView_SetItemState(list, outcome.row, LVIS_SELECTED, LVIS_SELECTED);
        ListView_EnsureVisible(list, outcome.row, FALSE);
    }
    ApplyOutcome(dialog, outcome.rule);
}

}  // namespace

INT_PTR ShowFindDialog(HWND owner, HWND list) {
    // "Find Next" is the OK button: it never closes the dialog.
    return RunDialog(owner, IDD_FIND_TRANSACTION, {.init = OnInit, .ok = OnFindNext}, &list);
}
