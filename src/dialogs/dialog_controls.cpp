#include "dialogs/dialog_controls.h"

#include "shell/program.h"

namespace {

// What the procedure keeps of one RunDialog call, in the dialog's DWLP_USER.
struct RunningDialog {
    const DialogHandlers& handlers;
    void* context;
};

const RunningDialog* Running(HWND dialog) {
    return reinterpret_cast<const RunningDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnCommand(HWND dialog, const DialogHandlers& handlers, int control) {
    if (control == IDOK) {
        if (handlers.ok != nullptr)
            handlers.ok(dialog);
        else
            EndDialog(dialog, IDOK);
        return;
    }
    if (handlers.command != nullptr && handlers.command(dialog, control)) return;
    if (control == IDCANCEL) EndDialog(dialog, IDCANCEL);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const DialogHandlers& handlers = reinterpret_cast<const RunningDialog*>(lParam)->handlers;
        return handlers.init == nullptr || handlers.init(dialog);
    }
    // A few messages come before WM_INITDIALOG.
    const RunningDialog* running = Running(dialog);
    if (running == nullptr) return FALSE;
    const DialogHandlers& handlers = running->handlers;
    if (message == WM_COMMAND) {
        // Enter, Esc and the close box come as clicks too.
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        OnCommand(dialog, handlers, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunDialog(HWND owner, int templateId, const DialogHandlers& handlers, void* context) {
    RunningDialog running{handlers, context};
    return DialogBoxParamA(App.instance, MAKEINTRESOURCEA(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(&running));
}

void* RunningDialogContext(HWND dialog) { return Running(dialog)->context; }

std::string ControlText(HWND dialog, int control) {
    HWND box = GetDlgItem(dialog, control);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ApplyOutcome(HWND dialog, const RuleOutcome& outcome, INT_PTR changedResult) {
    if (outcome.message != nullptr) ShowMessage(*outcome.message, dialog);
    if (outcome.Closes()) {
        EndDialog(dialog, outcome.end == DialogEnd::Changed ? changedResult : IDCANCEL);
        return;
    }
    if (outcome.focus == 0) return;
    if (outcome.emptiesFocus) SetDlgItemTextA(dialog, outcome.focus, "");
    FocusWithTextSelected(dialog, outcome.focus);
}

void FocusWithTextSelected(HWND dialog, int control) {
    HWND box = GetDlgItem(dialog, control);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
}
