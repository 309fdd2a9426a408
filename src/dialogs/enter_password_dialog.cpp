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

INT_PTR CALLBACK EnterPasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;  // the dialog manager puts the focus in the box
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOk(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

INT_PTR ShowEnterPasswordDialog(HWND owner) {
    return DialogBoxParamA(App.instance, MAKEINTRESOURCEA(IDD_ENTER_PASSWORD), owner, EnterPasswordDialogProc, 0);
}
