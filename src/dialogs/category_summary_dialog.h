#pragma once
// The Summary by Category dialog (128): the current account's transactions
// of the categories picked, one group per category with its totals.

#include <windows.h>

// Runs the dialog over `owner` for the current account; it ends with 2.
INT_PTR ShowCategorySummaryDialog(HWND owner);
