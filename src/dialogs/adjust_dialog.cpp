#include "dialogs/adjust_dialog.h"

#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/adjust_rules.h"
#include "model/amounts.h"
#include "resources/resource.h"

namespace {

// ShowAdjustDialog only runs the dialog for an account inside the list.
Account& AdjustedAccount() { return Program.document.GetAccount(Program.SelectedAccountIndex); }

bool OnInit(HWND dialog) {
    const Account& account = AdjustedAccount();
    SetDlgItemTextA(dialog, IDC_BALANCE_LABEL, BalanceLabel(account.type));
    SetDlgItemTextA(dialog, IDC_BALANCE, AmountText(AccountBalance(account)).c_str());
    return true;
}

void OnOk(HWND dialog) {
    const AdjustOutcome outcome = AdjustBalance(AdjustedAccount(), ControlText(dialog, IDC_BALANCE), Today());
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.Closes())
        EndDialog(dialog, outcome.DialogResult());
    else
        FocusWithTextSelected(dialog, IDC_BALANCE);
}

}  // namespace

INT_PTR ShowAdjustDialog(HWND owner) {
    const int index = Program.SelectedAccountIndex;
    if (index < 0 || index >= Program.document.AccountCount()) return IDCANCEL;
    return RunDialog(owner, IDD_ADJUST, {.init = OnInit, .ok = OnOk});
}
