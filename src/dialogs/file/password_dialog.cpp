#include "dialogs/file/password_dialog.h"

#include <string>

#include "dialogs/dialog_controls.h"
#include "model/rules/password_rules.h"
#include "resources/resource.h"

namespace {

// A disabled box gives no text.
std::string BoxText(HWND dialog, int control) {
    return IsWindowEnabled(GetDlgItem(dialog, control)) ? ControlText(dialog, control) : std::string();
}

void OnOk(HWND dialog) {
    ApplyOutcome(dialog, ChangePassword(DialogContext<Text31>(dialog), BoxText(dialog, IDC_CURRENT_PASSWORD),
                                        BoxText(dialog, IDC_NEW_PASSWORD), BoxText(dialog, IDC_VERIFY_PASSWORD)));
}

// With the current box disabled the dialog manager starts in the new one.
bool OnInit(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_CURRENT_PASSWORD), AsksForCurrentPassword(DialogContext<Text31>(dialog)));
    return true;
}

}  // namespace

INT_PTR ShowPasswordDialog(HWND owner, Text31& password) {
    return RunDialog(owner, IDD_PASSWORD, {.init = OnInit, .ok = OnOk}, &password);
}
