#include "dialogs/new_account_dialog.h"

#include <iterator>

#include "app/help.h"
#include "app/main_window.h"
#include "dialogs/account_details_dialog.h"
#include "dialogs/dialog_controls.h"
#include "model/account_rules.h"
#include "resources/resource.h"
#include "views/transaction_list.h"

namespace {

// The type buttons in type order; none checked means Other.
constexpr int kTypeButtons[] = {IDC_TYPE_BANK, IDC_TYPE_CREDIT, IDC_TYPE_BUDGET, IDC_TYPE_CASH};

std::int32_t ChosenType(HWND dialog) {
    for (std::int32_t type = 0; type < static_cast<std::int32_t>(std::size(kTypeButtons)); ++type)
        if (IsDlgButtonChecked(dialog, kTypeButtons[type]) == BST_CHECKED) return type;
    return AccountTypeOther;
}

void ShowTypeTexts(HWND dialog) {
    const AccountTypeTexts& texts = TypeTexts(ChosenType(dialog));
    SetDlgItemTextA(dialog, IDC_TYPE_DESCRIPTION, texts.description);
    SetDlgItemTextA(dialog, IDC_OPENING_AMOUNT_LABEL, texts.amountLabel);
}

void OnOk(HWND dialog) {
    const AccountOutcome outcome =
        AddNewAccount(Program.document, ChosenType(dialog), ControlText(dialog, IDC_OPENING_AMOUNT), Today());
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.closes)
        EndDialog(dialog, IDOK);
    else if (outcome.focus == AccountField::OpeningAmount)
        FocusWithTextSelected(dialog, IDC_OPENING_AMOUNT);
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
        ShowHelpPopup(dialog, TypeTexts(ChosenType(dialog)).helpTopic);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowNewAccountDialog(HWND owner) {
    return RunDialog(owner, IDD_NEW_ACCOUNT, {.init = OnInit, .ok = OnOk, .command = OnCommand});
}

bool CreateAccountWithDetails(HWND owner) {
    if (ShowNewAccountDialog(owner) != IDOK) return false;
    const std::int32_t added = Program.document.AccountCount() - 1;
    Program.SelectedAccountIndex = added;
    if (ShowAccountDetailsDialog(owner) == IDOK) return true;
    // An account without details is not kept.
    Program.document.RemoveAccount(added);
    return false;
}

void RunNewAccountCommand() {
    if (!CreateAccountWithDetails(App.frame)) return;
    if (ShowMessage("Switch to this account now?", MB_YESNO | MB_ICONQUESTION) == IDYES)
        SelectAccount(Program.document.AccountCount() - 1);
}
