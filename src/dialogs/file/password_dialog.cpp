#include "dialogs/file/password_dialog.h"

#include "dialogs/dialog_controls.h"
#include "model/rules/password_rules.h"
#include "resources/resource.h"
#include "shell/win32_handles.h"

namespace {

// A disabled box gives no text.
Text31 BoxText(HWND dialog, int control) {
    return IsWindowEnabled(GetDlgItem(dialog, control)) ? PasswordBoxText(dialog, control) : Text31();
}

void OnOk(HWND dialog) {
    Document& document = DialogContext<Document>(dialog);
    const Text31 current = BoxText(dialog, IDC_CURRENT_PASSWORD), typed = BoxText(dialog, IDC_NEW_PASSWORD),
                 verify = BoxText(dialog, IDC_VERIFY_PASSWORD);
    RuleOutcome outcome;
    {
        WaitCursor wait;  // a new key takes the derivation's time
        outcome = ChangePasswordAndProtection(document.password, document.protection, current.view(), typed.view(),
                                              verify.view(), IsDlgButtonChecked(dialog, IDC_ENCRYPT_FILE) == BST_CHECKED);
    }
    ApplyOutcome(dialog, outcome);
}

// With the current box disabled the dialog manager starts in the new one.
bool OnInit(HWND dialog) {
    const Document& document = DialogContext<Document>(dialog);
    EnableWindow(GetDlgItem(dialog, IDC_CURRENT_PASSWORD), AsksForCurrentPassword(document.password));
    CheckDlgButton(dialog, IDC_ENCRYPT_FILE, document.protection.encrypted ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

}  // namespace

INT_PTR ShowPasswordDialog(HWND owner, Document& document) {
    return RunDialog(owner, IDD_PASSWORD, {.init = OnInit, .ok = OnOk}, &document);
}
