#include "dialogs/enter_password_dialog.h"

#include <string>

#include "app/main_window.h"
#include "model/password_rules.h"
#include "resources/resource.h"

namespace {

// The box's whole text; the rules keep what counts of it.
std::string BoxText(HWND box) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Every message of the rules comes with one of the two icons.
UINT IconStyle(PasswordOutcome::Icon icon) {
    return icon == PasswordOutcome::Icon::Information ? MB_ICONINFORMATION : MB_ICONEXCLAMATION;
}

// Any number of tries: a refusal only selects the text for the next one.
void OnOk(HWND dialog) {
    HWND box = GetDlgItem(dialog, IDC_OPENING_PASSWORD);
    const PasswordOutcome outcome = CheckOpeningPassword(Program.OpeningPassword, BoxText(box));
    if (outcome.message != nullptr) ShowMessage(outcome.message, MB_OK | IconStyle(outcome.icon), dialog);
    if (outcome.Closes()) {
        EndDialog(dialog, IDOK);
        return;
    }
    // Through the dialog manager, which keeps OK the default button; then the whole text selected.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
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
