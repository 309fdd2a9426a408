// The printout of the transaction list and the two summaries of the current account.

#include <windows.h>

#include <string>

#include "app/commands.h"
#include "dialogs/category_summary_dialog.h"
#include "dialogs/month_summary_dialog.h"
#include "model/window_title.h"
#include "reports/report_printer.h"
#include "shell/program.h"

void OnPrint() { PrintList(App.frame, App.transactionList, PrintTitle(TextOf(App.frame), 99)); }

void OnSummaryByCategory() { ShowCategorySummaryDialog(App.frame); }

void OnSummaryByMonth() { ShowMonthSummaryDialog(App.frame); }
