#include "dialogs/dialog_controls.h"

#include <commctrl.h>

#include "resources/resource.h"
#include "shell/help.h"
#include "shell/list_view.h"
#include "shell/program.h"
#include "shell/window_dpi.h"

namespace {

// What the procedure keeps of one RunDialog call, in the dialog's DWLP_USER.
struct RunningDialog {
    const DialogHandlers& handlers;
    void* context;
    POINT smallest{};  // with a size handler: the window's size as its template made it
    int dpi = kBaseDpi;  // the DPI its lists' columns are scaled for
};

RunningDialog* Running(HWND dialog) { return reinterpret_cast<RunningDialog*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

// The dialog has moved to a screen of another DPI. The system scales the
// template's controls and font; the lists' columns keep their widths here.
void OnDpiChanged(HWND dialog, RunningDialog& running, int dpi) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, WC_LISTVIEWA) == 0) RescaleListColumns(child, running.dpi, dpi);
    }
    running.smallest = {RescaledForDpi(running.smallest.x, running.dpi, dpi),
                        RescaledForDpi(running.smallest.y, running.dpi, dpi)};
    running.dpi = dpi;
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
        RunningDialog& running = *reinterpret_cast<RunningDialog*>(lParam);
        running.dpi = WindowDpi(dialog);
        if (running.handlers.size != nullptr) {
            RECT window;
            GetWindowRect(dialog, &window);
            running.smallest = {window.right - window.left, window.bottom - window.top};
        }
        return running.handlers.init == nullptr || running.handlers.init(dialog);
    }
    // A few messages come before WM_INITDIALOG.
    RunningDialog* running = Running(dialog);
    if (running == nullptr) return FALSE;
    const DialogHandlers& handlers = running->handlers;
    if (message == WM_DPICHANGED) {
        OnDpiChanged(dialog, *running, LOWORD(wParam));
        if (handlers.dpiChanged != nullptr) handlers.dpiChanged(dialog, LOWORD(wParam));
        return FALSE;  // and the system moves and scales the dialog
    }
    if (message == WM_SIZE && handlers.size != nullptr) {
        if (wParam != SIZE_MINIMIZED) handlers.size(dialog, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    }
    if (message == WM_GETMINMAXINFO && handlers.size != nullptr) {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = running->smallest;
        return TRUE;
    }
    if (message == WM_NOTIFY && handlers.notify != nullptr) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, handlers.notify(dialog, *reinterpret_cast<NMHDR*>(lParam)));
        return TRUE;
    }
    if (message == WM_HELP && handlers.helpTopic != 0) {
        ShowHelpTopic(dialog, handlers.helpTopic);
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const WORD code = HIWORD(wParam);
        if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE || code == EN_CHANGE) {
            if (handlers.change == nullptr) return FALSE;
            handlers.change(dialog, LOWORD(wParam));
            return TRUE;
        }
        // Enter, Esc and the close box come as clicks too.
        if (code != BN_CLICKED) return FALSE;
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

std::string ControlText(HWND dialog, int control) { return TextOf(GetDlgItem(dialog, control)); }

Text31 PasswordBoxText(HWND dialog, int control) {
    char typed[Text31::kCapacity + 1] = {};
    GetDlgItemTextA(dialog, control, typed, sizeof typed);
    const Text31 text(typed);
    WipeBytes(typed, sizeof typed);
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

namespace {

void AddEntry(HWND list, const char* text) { SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

}  // namespace

void FillCategoryList(HWND dialog, int control, const Document& document, int choice) {
    HWND list = GetDlgItem(dialog, control);
    for (const Text31& name : document.categories) AddEntry(list, name.c_str());
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
}

void FillAccountList(HWND dialog, int control, const Document& document, int choice) {
    HWND list = GetDlgItem(dialog, control);
    for (const Account& account : document.accounts) AddEntry(list, account.name.c_str());
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
}

int DropDownChoice(HWND dialog, int control) {
    return static_cast<int>(SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0));
}

std::int32_t CheckedAccountType(HWND dialog) {
    constexpr int kTypeButtons[] = {IDC_TYPE_BANK, IDC_TYPE_CREDIT, IDC_TYPE_BUDGET, IDC_TYPE_CASH};
    for (std::int32_t type = 0; type < 4; ++type)
        if (IsDlgButtonChecked(dialog, kTypeButtons[type]) == BST_CHECKED) return type;
    return AccountTypeOther;
}

void SetPickerDate(HWND dialog, int control, const Date& date) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    SendDlgItemMessageA(dialog, control, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

Date PickerDate(HWND dialog, int control) {
    SYSTEMTIME time{};
    SendDlgItemMessageA(dialog, control, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return Date{time.wYear, time.wMonth, time.wDay};
}

void PlaceAtOwnersCorner(HWND dialog) {
    POINT corner{0, 0};
    ClientToScreen(GetWindow(dialog, GW_OWNER), &corner);
    SetWindowPos(dialog, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
