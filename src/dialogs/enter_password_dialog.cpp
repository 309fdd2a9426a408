#include "dialogs/enter_password_dialog.h"

#include "app/main_window.h"
#include "dialogs/dialog_controls.h"
#include "model/password_rules.h"
#include "resources/resource.h"

namespace {

// Any number of tries: a refusal only selects the text for the next one.
void OnOk(HWND dialog) {
    const PasswordOutcome outcome =
        CheckOpeningPassword(Program.OpeningPassword, ControlText(dialog, IDC_OPENING_PASSWORD));
    if (outcome.message != nullptr) ShowRuleMessage(dialog, outcome.message, outcome.icon);
    if (outcome.Closes())
        EndDialog(dialog, IDOK);
    else
        FocusWithTextSelected(dialog, IDC_OPENING_PASSWORD);
}

}  // namespace

INT_PTR ShowEnterPasswordDialog(HWND owner) {
    // The dialog manager puts the focus in the box.
    return RunDialog(owner, IDD_ENTER_PASSWORD, {.ok = OnOk});
}
