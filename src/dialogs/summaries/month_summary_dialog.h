#pragma once
// The Summary by Month dialog (129): an account's transactions of one
// calendar month with their totals.

#include <windows.h>

#include "dialogs/summaries/summary_table.h"

// Runs the dialog over `owner` for the subject's account; it ends with 2.
INT_PTR ShowMonthSummaryDialog(HWND owner, SummarySubject subject);
