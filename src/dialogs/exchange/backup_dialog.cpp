#include "dialogs/exchange/backup_dialog.h"

#include <optional>
#include <string>

#include "dialogs/dialog_controls.h"
#include "dialogs/file/enter_password_dialog.h"
#include "model/file/exchange_rules.h"
#include "resources/resource.h"
#include "shell/file_dialogs.h"
#include "shell/program.h"

namespace {

void OnBrowse(HWND dialog) {
    const std::string folder = ChooseFolder(dialog, "Select the location to backup to/restore from...");
    if (!folder.empty()) SetDlgItemTextA(dialog, IDC_BACKUP_LOCATION, folder.c_str());
}

bool OnInit(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_BACKUP_LOCATION, EM_LIMITTEXT, kMaxBackupLocationLength, 0);
    EnableWindow(GetDlgItem(dialog, IDC_RESTORE_DATED_COPY), !DialogContext<DatedCopySubject>(dialog).dataFile.empty());
    return true;
}

// The backup's path; none, after saying so, when the location is refused.
std::optional<std::string> TakeBackupPath(HWND dialog) {
    TypedPath typed = BackupLocation(ControlText(dialog, IDC_BACKUP_LOCATION));
    if (!typed.path) ApplyOutcome(dialog, typed.refusal);
    return std::move(typed.path);
}

// "Backup" is the OK button. Save replaces the old backup in one step, and
// only once the new copy is whole on disk.
void OnBackup(HWND dialog) {
    const std::optional<std::string> path = TakeBackupPath(dialog);
    if (!path) return;
    bool saved = false;
    {
        WaitCursor wait;
        saved = DialogContext<DatedCopySubject>(dialog).document.Save(*path);
    }
    ShowMessage(saved ? kBackupSuccessful : kErrorSavingFile, dialog);
    EndDialog(dialog, IDOK);
}

// A backup that cannot be read whole leaves the open data as it was.
void OnRestore(HWND dialog) {
    const std::optional<std::string> path = TakeBackupPath(dialog);
    if (!path || ShowMessage(kRestoreWarning, dialog) != IDYES) return;
    RestoreResult restored = RestoreResult::Unreadable;
    LoadNotes notes;
    {
        WaitCursor wait;
        restored = RestoreBackup(DialogContext<DatedCopySubject>(dialog).document, *path, notes,
                                 [dialog](const EnvelopeHeader& header) { return AskFilePassword(dialog, header); });
    }
    // The window shows the restored data before it says so: its caller does both.
    if (restored == RestoreResult::Unreadable) ShowMessage(kErrorOpeningFile, dialog);
    if (notes.extensionUnreadable) ShowMessage(kExtensionUnreadable, dialog);
    EndDialog(dialog, restored == RestoreResult::Restored ? IDC_RESTORE : IDOK);
}

// The list of the dated copies; the backup location plays no part.
void OnRestoreDatedCopy(HWND dialog) {
    if (ShowDatedCopiesDialog(dialog, DialogContext<DatedCopySubject>(dialog)) == IDOK) EndDialog(dialog, IDC_RESTORE);
}

bool OnCommand(HWND dialog, int control) {
    switch (control) {
    case IDC_RESTORE_DATED_COPY:
        OnRestoreDatedCopy(dialog);
        return true;
    case IDC_BROWSE:
        OnBrowse(dialog);
        return true;
    case IDC_RESTORE:
        OnRestore(dialog);
        return true;
    }
    return false;
}

}  // namespace

INT_PTR ShowBackupDialog(HWND owner, const DatedCopySubject& subject) {
    DatedCopySubject context = subject;
    return RunDialog(owner, IDD_BACKUP_RESTORE, {.init = OnInit, .ok = OnBackup, .command = OnCommand}, &context);
}
