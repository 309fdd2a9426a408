#include "dialogs/file/new_file_wizard.h"

#include "dialogs/bills/bills_dialog.h"
#include "dialogs/categories/categories_dialog.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/accounts/new_account_dialog.h"
#include "dialogs/file/password_dialog.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "shell/scaled_pictures.h"
#include "shell/window_dpi.h"

namespace {

// What one run of the wizard works on.
struct NewFile {
    Document& document;
    MainWindowRefresh views;
    // The set-up is where the file's history starts: its own steps are not kept.
    History setUp;
    UniqueIcon tick;  // shown by each step once done, at the wizard's DPI
};

NewFile& Subject(HWND wizard) { return DialogContext<NewFile>(wizard); }

// The accounts step: New Account and Account Details, as often as the user
// asks for another account. Done once the first account exists.
bool SetUpAccounts(HWND wizard) {
    if (!CreateAccountWithDetails(wizard, Subject(wizard).document)) return false;
    if (ShowMessage(kSetUpAnotherAccount, wizard) == IDYES)
        SetUpAccounts(wizard);
    return true;
}

void ShowTick(HWND wizard, int tick) { ShowWindow(GetDlgItem(wizard, tick), SW_SHOW); }

// Makes `button` the default and gives it the focus. WM_NEXTDLGCTL moves the
// default-button look along with the focus; DM_SETDEFID is what Enter uses
// when the focus is on something that is not a push button.
void MoveDefaultTo(HWND wizard, int button) {
    SendMessageA(wizard, DM_SETDEFID, button, 0);
    SendMessageA(wizard, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(wizard, button)), TRUE);
}

// The ticks drawn for `dpi`; the ones shown until now go once replaced.
void ShowTicksFor(HWND wizard, int dpi) {
    UniqueIcon tick = LoadSmallIcon(IDI_TICK, dpi);
    for (int control : {IDC_TICK_ACCOUNTS, IDC_TICK_CATEGORIES, IDC_TICK_BILLS_DEPOSITS, IDC_TICK_PASSWORD,
                        IDC_TICK_DONE})
        SendDlgItemMessageA(wizard, control, STM_SETICON, reinterpret_cast<WPARAM>(tick.Get()), 0);
    Subject(wizard).tick = std::move(tick);
}

// The focus goes to step 1, the template's default button.
bool OnInit(HWND wizard) {
    ShowTicksFor(wizard, WindowDpi(wizard));
    return true;
}

// Each step can be run again. Only the accounts step gates the others: a
// file needs an account, while categories, bills and a password are optional.
// "Done!" is the OK button, enabled once the accounts step is done.
bool OnCommand(HWND wizard, int control) {
    switch (control) {
    case IDC_STEP_ACCOUNTS:
        if (!SetUpAccounts(wizard)) return true;
        for (int step : {IDC_STEP_CATEGORIES, IDC_STEP_BILLS_DEPOSITS, IDC_STEP_PASSWORD, IDOK})
            EnableWindow(GetDlgItem(wizard, step), TRUE);
        ShowTick(wizard, IDC_TICK_ACCOUNTS);
        ShowTick(wizard, IDC_TICK_DONE);
        MoveDefaultTo(wizard, IDC_STEP_CATEGORIES);
        return true;
    case IDC_STEP_CATEGORIES:
        ShowCategoriesDialog(wizard, Subject(wizard).document, Subject(wizard).setUp, Subject(wizard).views);
        ShowTick(wizard, IDC_TICK_CATEGORIES);
        MoveDefaultTo(wizard, IDC_STEP_BILLS_DEPOSITS);
        return true;
    case IDC_STEP_BILLS_DEPOSITS:
        ShowBillsDialog(wizard, {Subject(wizard).document, -1, Subject(wizard).setUp, Subject(wizard).views});
        ShowTick(wizard, IDC_TICK_BILLS_DEPOSITS);
        MoveDefaultTo(wizard, IDC_STEP_PASSWORD);
        return true;
    case IDC_STEP_PASSWORD:
        // The step counts as visited whether a password was set or not.
        ShowPasswordDialog(wizard, Subject(wizard).document);
        ShowTick(wizard, IDC_TICK_PASSWORD);
        MoveDefaultTo(wizard, IDOK);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowNewFileWizard(HWND owner, Document& document, const MainWindowRefresh& views) {
    NewFile newFile{document, views, {}, {}};
    return RunDialog(owner, IDD_NEW_FILE_WIZARD, {.init = OnInit, .command = OnCommand, .dpiChanged = ShowTicksFor}, &newFile);
}
