#include "dialogs/adjust_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/account_types.h"
#include "model/adjust_rules.h"
#include "model/amounts.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

// ShowAdjustDialog only runs the dialog for an account inside the list.
Account& AdjustedAccount() { return Program.document.GetAccount(Program.SelectedAccountIndex); }

bool OnInit(HWND dialog) {
    const Account& account = AdjustedAccount();
    SetDlgItemTextA(dialog, IDC_BALANCE_LABEL, TypeInfo(account.type).balanceLabel);
    SetDlgItemTextA(dialog, IDC_BALANCE, AmountText(AccountBalance(account)).c_str());
    return true;
}

void OnOk(HWND dialog) {
    ApplyOutcome(dialog, AdjustBalance(AdjustedAccount(), ControlText(dialog, IDC_BALANCE), Today()));
}

}  // namespace

INT_PTR ShowAdjustDialog(HWND owner) {
    if (Program.document.FindAccount(Program.SelectedAccountIndex) == nullptr) return IDCANCEL;
    return RunDialog(owner, IDD_ADJUST, {.init = OnInit, .ok = OnOk});
}
