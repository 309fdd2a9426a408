// Import of a 1.1x account and of a bank statement, and backup and restore
// of the open data.

#include <windows.h>

#include <optional>

#include "app/commands.h"
#include "app/current_account.h"
#include "app/settings.h"
#include "dialogs/accounts/account_details_dialog.h"
#include "dialogs/exchange/backup_dialog.h"
#include "dialogs/exchange/import_dialog.h"
#include "dialogs/exchange/import_statement_dialog.h"
#include "model/history/document_changes.h"
#include "model/statements/statement_file.h"
#include "resources/resource.h"
#include "shell/file_dialogs.h"
#include "shell/program.h"

// The imported account is the last one; Yes to the last question shows it
// and opens its details.
void OnImport() {
    const std::int32_t categoryCount = Program.document.CategoryCount();
    const INT_PTR imported = ShowImportDialog(App.frame, Program.document);
    if (imported == IDCANCEL) return;
    Program.history.Record(ImportedAccountStep(Program.document, categoryCount));
    RefreshEditMenu();
    if (imported != IDYES) return;
    SelectAccount(Program.document.AccountCount() - 1);
    DocumentHeads before = HeadsOf(Program.document);
    if (ShowAccountDetailsDialog(App.frame, Program.document, Program.CurrentAccountIndex) != IDOK) return;
    if (!(HeadsOf(Program.document) == before))
        Program.history.Record(HeadsStep("Account Details", std::move(before), Program.document));
    SelectAccount(Program.CurrentAccountIndex);
}

// After a restore no account is current: the Accounts dialog opens for the
// user to pick one.
void OnBackupRestore() {
    if (ShowBackupDialog(App.frame, {Program.document, Program.currentFile, Program.DatedCopies, Program.DateFormat}) !=
        IDC_RESTORE)
        return;
    Program.history.Clear();
    SelectAccount(-1);
    ShowMessage(kRestoreSuccessful);
    PostMessageA(App.frame, WM_COMMAND, IDM_ACCOUNTS, 0);
}

void OnImportStatement() {
    if (Program.document.AccountCount() == 0) return;
    const std::string path = ChooseFileToOpen(App.frame, "Bank statements (*.ofx;*.qfx;*.qif;*.csv)\0*.ofx;*.qfx;*.qif;*.csv\0",
                                              "Import Statement");
    if (!path.empty()) ImportStatementFile(path);
}

// The account the lines went into becomes the current one, and says what came in.
void ImportStatementFile(const std::string& path) {
    std::optional<StatementFile> file;
    {
        WaitCursor wait;
        file = OpenStatementFile(path);
    }
    if (!file) {
        ShowMessage(kNoStatementTransactions);
        return;
    }
    std::vector<CsvProfile> profiles = ReadStatementProfiles();
    // Any account may take the lines: each one's state before, without its marks (an import changes none).
    std::vector<AccountBefore> before;
    for (std::int32_t account = 0; account < Program.document.AccountCount(); ++account)
        before.push_back(AccountBeforeAppend(Program.document, account));
    const ImportStatementResult result = ShowImportStatementDialog(
        App.frame, {Program.document, Program.CurrentAccountIndex, *file, profiles, SaveStatementProfile});
    if (result.end != IDOK) return;
    Program.history.Record(
        AccountChangeStep("Import Statement", std::move(before[static_cast<std::size_t>(result.account)]), Program.document));
    SelectAccount(result.account);
    const std::string done = ImportDoneText(result.added, result.skipped);
    ShowMessage(Message{done.c_str(), MessageIcon::Information});
}
