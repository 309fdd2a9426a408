#pragma once
// The summary table that both summary dialogs share: its columns, its rows
// (a virtual list over the core's rows, so that any number shows at once),
// no row ever selected, and its printout.

#include <windows.h>

#include <span>
#include <vector>

#include "model/document.h"
#include "model/tables/summary_rows.h"

// Prints a summary's table over `owner`, under the main window's title and
// `titleSuffix`.
using PrintSummaryTable = void (*)(HWND owner, HWND table, const char* titleSuffix);

// What a summary dialog works on: an account of a document, and how its
// table is printed.
struct SummarySubject {
    const Document& document;
    const Account& account;
    PrintSummaryTable print;
};

// What a summary dialog keeps while it is open: its subject and the rows its
// table shows. RunDialog's context for both summary dialogs.
struct SummaryContext {
    SummarySubject subject;
    SummaryLines summary;
};

// Grid lines and the columns of the dialog's table.
void CreateSummaryColumns(HWND dialog, std::span<const ListColumn> columns);

// The table shows `summary` from now on.
void ShowSummaryRows(HWND dialog, SummaryLines summary);

// The table's notifications: the texts of its rows as it paints them, and
// every change of a row's state refused, so that no row can be selected or
// focused.
LRESULT OnSummaryTableNotify(HWND dialog, NMHDR& header);

// "Print Summary" (the table printed through the subject's `print`, titled
// with `suffix`) and "Export..." (the table as shown, in a CSV file the user
// names); false for another button.
bool OnSummaryButton(HWND dialog, int control, const char* suffix);

// Print Summary and Export... once a summary has been made.
void EnableSummaryButtons(HWND dialog);
