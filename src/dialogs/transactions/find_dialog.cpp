#include "dialogs/transactions/find_dialog.h"

#include <commctrl.h>

#include "dialogs/dialog_controls.h"
#include "model/rules/find_rules.h"
#include "resources/resource.h"

namespace {

struct SearchedList {
    HWND list;
    TransactionOnRow transactionOnRow;
};

HWND TheList(HWND dialog) { return DialogContext<SearchedList>(dialog).list; }

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_DOWN);
    // The first search downwards starts at the top.
    ListView_SetItemState(TheList(dialog), -1, 0, LVIS_SELECTED);
    return true;
}

void OnFindNext(HWND dialog) {
    const SearchedList& searched = DialogContext<SearchedList>(dialog);
    HWND list = searched.list;
    const FindDirection direction = IsDlgButtonChecked(dialog, IDC_FIND_UP) == BST_CHECKED ? FindDirection::Up
                                                                                           : FindDirection::Down;
    // Read from the transactions, not through the list view: a million
    // round trips of cell texts would take seconds.
    NumberText number;
    const auto rowTexts = [&](int row) {
        const Transaction* t = searched.transactionOnRow(row);
        return t != nullptr ? FindTextsOf(*t, number) : FindRowTexts{};
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

INT_PTR ShowFindDialog(HWND owner, HWND list, TransactionOnRow transactionOnRow) {
    SearchedList searched{list, transactionOnRow};
    // "Find Next" is the OK button: it never closes the dialog.
    return RunDialog(owner, IDD_FIND_TRANSACTION, {.init = OnInit, .ok = OnFindNext}, &searched);
}
