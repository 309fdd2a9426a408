#include "dialogs/adjust_dialog.h"

#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/adjust_rules.h"
#include "model/amounts.h"
#include "resources/resource.h"

namespace {

// ShowAdjustDialog only runs the dialog for an account inside the list.
Account& AdjustedAccount() { return Program.document.GetAccount(Program.SelectedAccountIndex); }

void OnInit(HWND dialog) {
    const Account& account = AdjustedAccount();
    SetDlgItemTextA(dialog, IDC_BALANCE_LABEL, BalanceLabel(account.type));
    SetDlgItemTextA(dialog, IDC_BALANCE, AmountText(AccountBalance(account)).c_str());
}

void OnOk(HWND dialog) {
    const AdjustOutcome outcome = AdjustBalance(AdjustedAccount(), ControlText(dialog, IDC_BALANCE), Today());
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.Closes())
        EndDialog(dialog, outcome.DialogResult());
    else
        FocusWithTextSelected(dialog, IDC_BALANCE);
}

INT_PTR CALLBACK AdjustDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

INT_PTR ShowAdjustDialog(HWND owner) {
    const int index = Program.SelectedAccountIndex;
    if (index < 0 || index >= Program.document.AccountCount()) return IDCANCEL;
    return DialogBoxParamA(App.instance, MAKEINTRESOURCEA(IDD_ADJUST), owner, AdjustDialogProc, 0);
}
