#include "dialogs/accounts/account_details_dialog.h"

#include <initializer_list>

#include "dialogs/dialog_controls.h"
#include "model/rules/account_rules.h"
#include "model/account_types.h"
#include "model/amounts.h"
#include "model/tables/dpi_scaling.h"
#include "resources/resource.h"
#include "shell/help.h"
#include "shell/window_dpi.h"

namespace {

// What one opening of the dialog works on.
struct DetailsSubject {
    Document& document;
    std::int32_t account;
};

const DetailsSubject& Subject(HWND dialog) { return DialogContext<const DetailsSubject>(dialog); }

Account& EditedAccount(HWND dialog) { return Subject(dialog).document.GetAccount(Subject(dialog).account); }

void ShowControls(HWND dialog, std::initializer_list<int> controls, bool show) {
    for (int control : controls) ShowWindow(GetDlgItem(dialog, control), show ? SW_SHOW : SW_HIDE);
}

void ArrangeForType(HWND dialog, std::int32_t type) {
    const AccountTypeInfo& info = TypeInfo(type);
    ShowControls(dialog, {IDC_ACCOUNT_NUMBER_LABEL, IDC_ACCOUNT_NUMBER, IDC_CONTACT_INFO_LABEL, IDC_CONTACT_INFO},
                 info.showsNumberAndContact);
    ShowControls(dialog, {IDC_CREDIT_LIMIT_LABEL, IDC_CREDIT_LIMIT}, info.showsCreditLimit);
    if (info.detailsHeight == 0) return;
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, ScaledForDpi(info.detailsHeight, WindowDpi(dialog)),
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

void OnOk(HWND dialog) {
    const AccountDetailsText text{ControlText(dialog, IDC_ACCOUNT_NAME), ControlText(dialog, IDC_ACCOUNT_COMMENT),
                                  ControlText(dialog, IDC_ACCOUNT_NUMBER), ControlText(dialog, IDC_CONTACT_INFO),
                                  ControlText(dialog, IDC_CREDIT_LIMIT)};
    ApplyOutcome(dialog, StoreAccountDetails(Subject(dialog).document, Subject(dialog).account, text));
}

bool OnInit(HWND dialog) {
    ArrangeForType(dialog, EditedAccount(dialog).type);
    FillFields(dialog, EditedAccount(dialog));
    return true;
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_HELP_BUTTON) return false;
    ShowHelpPopup(dialog, TypeInfo(EditedAccount(dialog).type).detailsHelpTopic);
    return true;
}

}  // namespace

INT_PTR ShowAccountDetailsDialog(HWND owner, Document& document, std::int32_t account) {
    if (document.FindAccount(account) == nullptr) return IDCANCEL;
    DetailsSubject subject{document, account};
    return RunDialog(owner, IDD_ACCOUNT_DETAILS, {.init = OnInit, .ok = OnOk, .command = OnCommand}, &subject);
}
