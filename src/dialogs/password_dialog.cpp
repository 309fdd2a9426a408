#include "dialogs/password_dialog.h"

#include <string>

#include "app/main_window.h"
#include "model/password_rules.h"
#include "resources/resource.h"

namespace {

// A box's whole text (the rules keep what counts of it); a disabled box gives none.
std::string BoxText(HWND dialog, int control) {
    HWND box = GetDlgItem(dialog, control);
    if (!IsWindowEnabled(box)) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

int BoxOf(PasswordField field) { return field == PasswordField::Current ? IDC_CURRENT_PASSWORD : IDC_NEW_PASSWORD; }

// Every message of the rules comes with one of the two icons.
UINT IconStyle(PasswordOutcome::Icon icon) {
    return icon == PasswordOutcome::Icon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
}

void OnOk(HWND dialog) {
    const PasswordOutcome outcome =
        ChangePassword(Program.document.password, BoxText(dialog, IDC_CURRENT_PASSWORD),
                       BoxText(dialog, IDC_NEW_PASSWORD), BoxText(dialog, IDC_VERIFY_PASSWORD));
    if (outcome.message != nullptr) ShowMessage(outcome.message, MB_OK | IconStyle(outcome.icon), dialog);
    if (outcome.Closes()) {
        EndDialog(dialog, IDOK);
        return;
    }
    HWND box = GetDlgItem(dialog, BoxOf(outcome.focus));
    // Through the dialog manager, which keeps OK the default button; then the whole text selected.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK PasswordDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // With the current box disabled the dialog manager starts in the new one.
        EnableWindow(GetDlgItem(dialog, IDC_CURRENT_PASSWORD), AsksForCurrentPassword(Program.document.password));
        return TRUE;
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

INT_PTR ShowPasswordDialog(HWND owner) {
    return DialogBoxParamA(App.instance, MAKEINTRESOURCEA(IDD_PASSWORD), owner, PasswordDialogProc, 0);
}
