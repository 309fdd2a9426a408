#include "dialogs/file/enter_password_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/rules/password_rules.h"
#include "resources/resource.h"

namespace {

// Any number of tries: a refusal only selects the text for the next one.
void OnOk(HWND dialog) {
    ApplyOutcome(dialog, CheckOpeningPassword(DialogContext<const Text31>(dialog), ControlText(dialog, IDC_OPENING_PASSWORD)));
}

}  // namespace

INT_PTR ShowEnterPasswordDialog(HWND owner, const Text31& password) {
    // The dialog manager puts the focus in the box.
    Text31 expected = password;
    return RunDialog(owner, IDD_ENTER_PASSWORD, {.ok = OnOk}, &expected);
}
