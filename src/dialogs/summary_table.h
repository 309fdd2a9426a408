#pragma once
// The summary table that both summary dialogs share: its columns, its rows
// shown at once, no row ever selected, and its printout.

#include <windows.h>

#include <span>
#include <vector>

#include "model/summary_rows.h"

// Grid lines and the columns of the dialog's table.
void CreateSummaryColumns(HWND dialog, std::span<const SummaryColumn> columns);

// Replaces every row of the table with `rows`, drawn once they are all in.
void ShowSummaryRows(HWND dialog, const std::vector<SummaryRow>& rows);

// The table's notifications: every change of a row's state is refused, so
// that no row can be selected or focused.
LRESULT OnSummaryTableNotify(HWND dialog, NMHDR& header);

// "Print Summary": the print dialog over the summary dialog, then the table
// under the main window's title (at most 199 characters) and `suffix`.
void PrintSummary(HWND dialog, const char* suffix);
