// Import of a 1.1x account, and backup and restore of the open data.

#include <windows.h>

#include "app/commands.h"
#include "dialogs/account_details_dialog.h"
#include "dialogs/backup_dialog.h"
#include "dialogs/import_dialog.h"
#include "resources/resource.h"
#include "shell/program.h"
#include "views/transaction_list.h"

// The imported account is the last one; Yes to the last question shows it
// and opens its details.
void OnImport() {
    if (ShowImportDialog(App.frame) != IDYES) return;
    SelectAccount(Program.document.AccountCount() - 1);
    Program.SelectedAccountIndex = Program.CurrentAccountIndex;
    if (ShowAccountDetailsDialog(App.frame) == IDOK) SelectAccount(Program.CurrentAccountIndex);
}

// After a restore no account is current: the Accounts dialog opens for the
// user to pick one.
void OnBackupRestore() {
    if (ShowBackupDialog(App.frame) != IDC_RESTORE) return;
    SelectAccount(-1);
    ShowMessage(kRestoreSuccessful);
    PostMessageA(App.frame, WM_COMMAND, IDM_ACCOUNTS, 0);
}
