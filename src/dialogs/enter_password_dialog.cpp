#include "dialogs/enter_password_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/password_rules.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

// Any number of tries: a refusal only selects the text for the next one.
void OnOk(HWND dialog) {
    ApplyOutcome(dialog, CheckOpeningPassword(Program.OpeningPassword, ControlText(dialog, IDC_OPENING_PASSWORD)));
}

}  // namespace

INT_PTR ShowEnterPasswordDialog(HWND owner) {
    // The dialog manager puts the focus in the box.
    return RunDialog(owner, IDD_ENTER_PASSWORD, {.ok = OnOk});
}
