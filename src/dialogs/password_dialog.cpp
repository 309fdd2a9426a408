#include "dialogs/password_dialog.h"

#include <string>

#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/password_rules.h"
#include "resources/resource.h"

namespace {

// A disabled box gives no text.
std::string BoxText(HWND dialog, int control) {
    return IsWindowEnabled(GetDlgItem(dialog, control)) ? ControlText(dialog, control) : std::string();
}

int BoxOf(PasswordField field) { return field == PasswordField::Current ? IDC_CURRENT_PASSWORD : IDC_NEW_PASSWORD; }

void OnOk(HWND dialog) {
    const PasswordOutcome outcome =
        ChangePassword(Program.document.password, BoxText(dialog, IDC_CURRENT_PASSWORD),
                       BoxText(dialog, IDC_NEW_PASSWORD), BoxText(dialog, IDC_VERIFY_PASSWORD));
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.Closes())
        EndDialog(dialog, IDOK);
    else
        FocusWithTextSelected(dialog, BoxOf(outcome.focus));
}

// With the current box disabled the dialog manager starts in the new one.
bool OnInit(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_CURRENT_PASSWORD), AsksForCurrentPassword(Program.document.password));
    return true;
}

}  // namespace

INT_PTR ShowPasswordDialog(HWND owner) {
    return RunDialog(owner, IDD_PASSWORD, {.init = OnInit, .ok = OnOk});
}
