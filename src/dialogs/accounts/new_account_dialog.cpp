#include "dialogs/accounts/new_account_dialog.h"

#include <iterator>

#include "dialogs/accounts/account_details_dialog.h"
#include "dialogs/dialog_controls.h"
#include "model/rules/account_rules.h"
#include "model/account_types.h"
#include "resources/resource.h"
#include "shell/help.h"

namespace {

void ShowTypeTexts(HWND dialog) {
    const AccountTypeInfo& info = TypeInfo(CheckedAccountType(dialog));
    SetDlgItemTextA(dialog, IDC_TYPE_DESCRIPTION, info.description);
    SetDlgItemTextA(dialog, IDC_OPENING_AMOUNT_LABEL, info.openingAmountLabel);
}

void OnOk(HWND dialog) {
    ApplyOutcome(dialog,
                 AddNewAccount(DialogContext<Document>(dialog), CheckedAccountType(dialog), ControlText(dialog, IDC_OPENING_AMOUNT), Today()));
}

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_TYPE_BANK, IDC_TYPE_OTHER, IDC_TYPE_BANK);
    ShowTypeTexts(dialog);
    return true;
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_TYPE_BANK:
    case IDC_TYPE_CREDIT:
    case IDC_TYPE_BUDGET:
    case IDC_TYPE_CASH:
    case IDC_TYPE_OTHER:
        ShowTypeTexts(dialog);
        return true;
    case IDC_HELP_BUTTON:
        ShowHelpPopup(dialog, TypeInfo(CheckedAccountType(dialog)).newAccountHelpTopic);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowNewAccountDialog(HWND owner, Document& document) {
    return RunDialog(owner, IDD_NEW_ACCOUNT, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &document);
}

bool CreateAccountWithDetails(HWND owner, Document& document) {
    if (ShowNewAccountDialog(owner, document) != IDOK) return false;
    return KeepNewAccount(document, ShowAccountDetailsDialog(owner, document, document.AccountCount() - 1) == IDOK);
}
