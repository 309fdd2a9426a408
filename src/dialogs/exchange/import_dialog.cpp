#include "dialogs/exchange/import_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "dialogs/dialog_controls.h"
#include "model/file/exchange_rules.h"
#include "model/file/legacy_import.h"
#include "resources/resource.h"
#include "shell/file_dialogs.h"
#include "shell/program.h"

namespace {

void OnBrowse(HWND dialog) {
    const std::string path =
        ChooseFileToOpen(dialog, "Pennywhist Accounts (*.pwa)\0*.pwa\0", "Import Pennywhist Account File");
    if (!path.empty()) SetDlgItemTextA(dialog, IDC_IMPORT_FILE, path.c_str());
}

bool OnInit(HWND dialog) {
    CheckRadioButton(dialog, IDC_TYPE_BANK, IDC_TYPE_OTHER, IDC_TYPE_BANK);
    return true;
}

// Reads the file and imports its account, under the wait cursor, which is
// gone again before any message is shown.
RuleOutcome ImportFile(HWND dialog, const std::string& path) {
    WaitCursor wait;
    LegacyAccount legacy;
    if (!ReadLegacyAccount(path, legacy)) return Failed(kErrorOpeningFile);
    // The bar moves in a hundred blocks at most: a step per record costs more than the import under Wine.
    HWND progress = GetDlgItem(dialog, IDC_IMPORT_PROGRESS);
    const int steps = ImportSteps(legacy);
    const int block = std::max(1, steps / 100);
    SendMessageA(progress, PBM_SETRANGE32, 0, steps);
    SendMessageA(progress, PBM_SETPOS, 0, 0);
    ShowWindow(progress, SW_SHOW);
    return ImportLegacyAccount(DialogContext<Document>(dialog), legacy, CheckedAccountType(dialog), Today(), [&](int done) {
        if (done % block == 0 || done == steps) SendMessageA(progress, PBM_SETPOS, done, 0);
    });
}

// "Import" is the OK button.
void OnImport(HWND dialog) {
    const TypedPath typed = ImportPath(ControlText(dialog, IDC_IMPORT_FILE));
    if (!typed.path) {
        ApplyOutcome(dialog, typed.refusal);
        return;
    }
    const RuleOutcome outcome = ImportFile(dialog, *typed.path);
    if (!outcome.Closes()) {
        ApplyOutcome(dialog, outcome);
        return;
    }
    EndDialog(dialog, ShowMessage(kImportDoneQuestion, dialog) == IDYES ? IDYES : IDOK);
}

bool OnCommand(HWND dialog, int control) {
    if (control != IDC_BROWSE) return false;
    OnBrowse(dialog);
    return true;
}

}  // namespace

INT_PTR ShowImportDialog(HWND owner, Document& document) {
    return RunDialog(owner, IDD_IMPORT, {.init = OnInit, .ok = OnImport, .command = OnCommand}, &document);
}
