#pragma once
// The Summary by Month dialog (129): the current account's transactions of
// one calendar month with their totals.

#include <windows.h>

// Runs the dialog over `owner` for the current account; it ends with 2.
INT_PTR ShowMonthSummaryDialog(HWND owner);
