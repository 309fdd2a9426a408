#pragma once
// The summary table that both summary dialogs share: its columns, its rows
// shown at once, no row ever selected, and its printout.

#include <windows.h>

#include <span>
#include <vector>

#include "model/document.h"
#include "model/summary_rows.h"

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

// Grid lines and the columns of the dialog's table.
void CreateSummaryColumns(HWND dialog, std::span<const ListColumn> columns);

// Replaces every row of the table with `rows`, drawn once they are all in.
void ShowSummaryRows(HWND dialog, const std::vector<SummaryRow>& rows);

// The table's notifications: every change of a row's state is refused, so
// that no row can be selected or focused.
LRESULT OnSummaryTableNotify(HWND dialog, NMHDR& header);

// "Print Summary": the table printed through `print`.
void PrintSummary(HWND dialog, PrintSummaryTable print, const char* suffix);
