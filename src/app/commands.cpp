// Command dispatch: one handler per command of the menu, toolbar and accelerators.

#include <windows.h>
#include <shellapi.h>

#include <iterator>

#include "app/commands.h"
#include "app/current_account.h"
#include "app/settings.h"
#include "dialogs/categories/categories_dialog.h"
#include "dialogs/file/options_dialog.h"
#include "resources/resource.h"
#include "shell/program.h"

namespace {

struct CommandHandler {
    int command;
    void (*run)();
};

// Every command of the program, in menu order.
constexpr CommandHandler kCommands[] = {
    {IDM_NEW_ACCOUNT, OnNewAccount},
    {IDM_NEW_FILE, OnNewFile},
    {IDM_OPEN, OnOpen},
    {IDM_SAVE, OnSave},
    {IDM_SAVE_AS, OnSaveAs},
    {IDM_PASSWORD, OnPassword},
    {IDM_PRINT, OnPrint},
    {IDM_IMPORT, OnImport},
    {IDM_IMPORT_STATEMENT, OnImportStatement},
    {IDM_EXPORT, OnExport},
    {IDM_BACKUP_RESTORE, OnBackupRestore},
    {IDM_CLOSE, OnClose},
    {IDM_UNDO, OnUndo},
    {IDM_REDO, OnRedo},
    {IDM_NEW_TRANSACTION, OnNewTransaction},
    {IDM_EDIT_TRANSACTION, OnEditTransaction},
    {IDM_DELETE_TRANSACTION, OnDeleteTransaction},
    {IDM_FIND_TRANSACTION, OnFindTransaction},
    {IDM_ACCOUNTS, OnAccounts},
    {IDM_BILLS_DEPOSITS, OnBillsDeposits},
    {IDM_CATEGORIES, OnCategories},
    {IDM_RECONCILE, OnReconcile},
    {IDM_CALCULATOR, OnCalculator},
    {IDM_OPTIONS, OnOptions},
    {IDM_SHOW_STATS, OnShowStats},
    {IDM_SUMMARY_BY_CATEGORY, OnSummaryByCategory},
    {IDM_SUMMARY_BY_MONTH, OnSummaryByMonth},
    {IDM_CHARTS, OnCharts},
    {IDM_HELP_CONTENTS, OnHelpContents},
    {IDM_GETTING_STARTED, OnGettingStarted},
    {IDM_ABOUT, OnAbout},
};
// Each command once, inside the range whose items are enabled as their needs say.
constexpr bool EachOnceInRange() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        if (kCommands[i].command < IDM_FIRST_COMMAND || kCommands[i].command > IDM_LAST_COMMAND) return false;
        for (std::size_t j = i + 1; j < std::size(kCommands); ++j)
            if (kCommands[i].command == kCommands[j].command) return false;
    }
    return true;
}
static_assert(EachOnceInRange());

}  // namespace

void RunCommand(int command) {
    for (const CommandHandler& handler : kCommands)
        if (handler.command == command) {
            handler.run();
            return;
        }
}

void OnCategories() {
    ShowCategoriesDialog(App.frame, Program.document, Program.history, MainWindowViews());
    RefreshEditMenu();
}

void OnOptions() {
    Options options{Program.DateFormat, Program.DatedCopies};
    if (ShowOptionsDialog(App.frame, options) != IDOK) return;
    Program.DateFormat = options.dateFormat;
    Program.DatedCopies = std::move(options.datedCopies);
    SaveSettings();
    // Every date shown takes the new order; without a current account only the stats panel shows one.
    RefreshTransactionViews();
}

void OnCalculator() {
    const HINSTANCE result = ShellExecuteA(nullptr, "open", "calc.exe", "", "", SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) ShowMessage(kErrorStartingCalculator);
}
