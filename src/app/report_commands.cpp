// The printout and the export of the transaction list, the two summaries of the current account, and the charts.

#include <windows.h>

#include <string>

#include "app/commands.h"
#include "dialogs/summaries/category_summary_dialog.h"
#include "dialogs/summaries/charts_dialog.h"
#include "dialogs/summaries/month_summary_dialog.h"
#include "model/file/atomic_save.h"
#include "model/file/csv_export.h"
#include "model/file/data_stream.h"
#include "model/tables/window_title.h"
#include "reports/report_printer.h"
#include "shell/file_dialogs.h"
#include "shell/program.h"
#include "views/transaction_list.h"

namespace {

// A summary's table under the main window's title (at most 199 characters) and the summary's name.
void PrintSummaryTableOf(HWND owner, HWND table, const char* titleSuffix) {
    PrintList(owner, table, PrintTitle(TextOf(App.frame), 199, titleSuffix));
}

}  // namespace

void OnPrint() { PrintList(App.frame, App.transactionList, PrintTitle(TextOf(App.frame), 99)); }

void OnExport() {
    const Account* account = Program.document.FindAccount(Program.CurrentAccountIndex);
    if (account == nullptr) return;
    bool semicolon = false;
    const std::string path = ChooseCsvFileToSave(App.frame, semicolon);
    if (path.empty()) return;
    const CsvForm form = semicolon ? kSemicolonSeparated : kCommaSeparated;
    WaitCursor wait;
    if (!SaveAtomically(path, [&](DataWriter& out) {
            WriteTransactionListCsv(out, Program.document, *account, ShownRows(), form);
        }))
        ShowMessage(kErrorSavingFile);
}

void OnSummaryByCategory() {
    const Account* account = Program.document.FindAccount(Program.CurrentAccountIndex);
    if (account != nullptr) ShowCategorySummaryDialog(App.frame, {Program.document, *account, PrintSummaryTableOf});
}

void OnSummaryByMonth() {
    const Account* account = Program.document.FindAccount(Program.CurrentAccountIndex);
    if (account != nullptr) ShowMonthSummaryDialog(App.frame, {Program.document, *account, PrintSummaryTableOf});
}

// The charts start at the current account, or at the first one when none is current.
void OnCharts() {
    const bool current = Program.document.FindAccount(Program.CurrentAccountIndex) != nullptr;
    ShowChartsDialog(App.frame, Program.document, current ? Program.CurrentAccountIndex : 0, Program.DateFormat);
}
