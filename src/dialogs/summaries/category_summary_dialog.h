#pragma once
// The Summary by Category dialog (128): an account's transactions of the
// categories picked, one group per category with its totals.

#include <windows.h>

#include "dialogs/summaries/summary_table.h"

// Runs the dialog over `owner` for the subject's account; it ends with 2.
INT_PTR ShowCategorySummaryDialog(HWND owner, SummarySubject subject);
