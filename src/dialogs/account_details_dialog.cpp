#include "dialogs/account_details_dialog.h"

#include <initializer_list>

#include "app/help.h"
#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/account_rules.h"
#include "model/amounts.h"
#include "resources/resource.h"

namespace {

Account& EditedAccount() { return Program.document.GetAccount(Program.SelectedAccountIndex); }

void ShowControls(HWND dialog, std::initializer_list<int> controls, bool show) {
    for (int control : controls) ShowWindow(GetDlgItem(dialog, control), show ? SW_SHOW : SW_HIDE);
}

void ArrangeForType(HWND dialog, std::int32_t type) {
    const AccountDetailsLayout layout = DetailsLayout(type);
    ShowControls(dialog, {IDC_ACCOUNT_NUMBER_LABEL, IDC_ACCOUNT_NUMBER, IDC_CONTACT_INFO_LABEL, IDC_CONTACT_INFO},
                 layout.showsNumberAndContact);
    ShowControls(dialog, {IDC_CREDIT_LIMIT_LABEL, IDC_CREDIT_LIMIT}, layout.showsCreditLimit);
    if (layout.windowHeight == 0) return;
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, layout.windowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
}

// Hidden boxes are filled too: OK reads them back unchanged.
void FillFields(HWND dialog, const Account& account) {
    SetDlgItemTextA(dialog, IDC_ACCOUNT_NAME, account.name.c_str());
    SetDlgItemTextA(dialog, IDC_ACCOUNT_COMMENT, account.comment.c_str());
    SetDlgItemTextA(dialog, IDC_ACCOUNT_NUMBER, account.accountNumber.c_str());
    SetDlgItemTextA(dialog, IDC_CONTACT_INFO, account.contactInfo.c_str());
    SetDlgItemTextA(dialog, IDC_CREDIT_LIMIT, AmountText(account.creditLimit).c_str());
}

int BoxOf(AccountField field) { return field == AccountField::CreditLimit ? IDC_CREDIT_LIMIT : IDC_ACCOUNT_NAME; }

void OnOk(HWND dialog) {
    const AccountDetailsText text{ControlText(dialog, IDC_ACCOUNT_NAME), ControlText(dialog, IDC_ACCOUNT_COMMENT),
                                  ControlText(dialog, IDC_ACCOUNT_NUMBER), ControlText(dialog, IDC_CONTACT_INFO),
                                  ControlText(dialog, IDC_CREDIT_LIMIT)};
    const AccountOutcome outcome = StoreAccountDetails(Program.document, Program.SelectedAccountIndex, text);
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.closes) {
        EndDialog(dialog, IDOK);
        return;
    }
    if (outcome.emptiesField) SetDlgItemTextA(dialog, BoxOf(outcome.focus), "");
    FocusWithTextSelected(dialog, BoxOf(outcome.focus));
}

bool OnInit(HWND dialog) {
    ArrangeForType(dialog, EditedAccount().type);
    FillFields(dialog, EditedAccount());
    return true;
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpPopup(dialog, DetailsHelpTopic(EditedAccount().type));
    return true;
}

}  // namespace

INT_PTR ShowAccountDetailsDialog(HWND owner) {
    // Without an account to edit there is nothing to show.
    if (Program.SelectedAccountIndex < 0 || Program.SelectedAccountIndex >= Program.document.AccountCount())
        return IDCANCEL;
    return RunDialog(owner, IDD_ACCOUNT_DETAILS, {.init = OnInit, .ok = OnOk, .command = OnCommand});
}
