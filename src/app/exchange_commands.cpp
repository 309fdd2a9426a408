// Import of a 1.1x account, and backup and restore of the open data.

#include <windows.h>

#include "app/commands.h"
#include "app/current_account.h"
#include "dialogs/account_details_dialog.h"
#include "dialogs/backup_dialog.h"
#include "dialogs/import_dialog.h"
#include "resources/resource.h"
#include "shell/program.h"

// The imported account is the last one; Yes to the last question shows it
// and opens its details.
void OnImport() {
    if (ShowImportDialog(App.frame, Program.document) != IDYES) return;
    SelectAccount(Program.document.AccountCount() - 1);
    if (ShowAccountDetailsDialog(App.frame, Program.document, Program.CurrentAccountIndex) == IDOK)
        SelectAccount(Program.CurrentAccountIndex);
}

// After a restore no account is current: the Accounts dialog opens for the
// user to pick one.
void OnBackupRestore() {
    if (ShowBackupDialog(App.frame, Program.document) != IDC_RESTORE) return;
    SelectAccount(-1);
    ShowMessage(kRestoreSuccessful);
    PostMessageA(App.frame, WM_COMMAND, IDM_ACCOUNTS, 0);
}
