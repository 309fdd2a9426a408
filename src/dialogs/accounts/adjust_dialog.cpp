#include "dialogs/accounts/adjust_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/account_types.h"
#include "model/rules/adjust_rules.h"
#include "model/amounts.h"
#include "resources/resource.h"

namespace {

Account& AdjustedAccount(HWND dialog) { return DialogContext<Account>(dialog); }

bool OnInit(HWND dialog) {
    const Account& account = AdjustedAccount(dialog);
    SetDlgItemTextA(dialog, IDC_BALANCE_LABEL, TypeInfo(account.type).balanceLabel);
    SetDlgItemTextA(dialog, IDC_BALANCE, AmountText(AccountBalance(account)).c_str());
    return true;
}

void OnOk(HWND dialog) {
    ApplyOutcome(dialog, AdjustBalance(AdjustedAccount(dialog), ControlText(dialog, IDC_BALANCE), Today()));
}

}  // namespace

INT_PTR ShowAdjustDialog(HWND owner, Account& account) {
    return RunDialog(owner, IDD_ADJUST, {.init = OnInit, .ok = OnOk}, &account);
}
