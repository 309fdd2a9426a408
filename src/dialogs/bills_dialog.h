#pragma once
// The Bills & Deposits dialog (115): the scheduled bills and deposits of the
// whole file with their due status; New, Edit, Delete and Process.

#include <windows.h>

#include "shell/program.h"

// Runs the dialog over `owner` (the file must have an account); it ends with
// 2 ("Close"). Every change refreshes the stats panel through `views`, and a
// processed item of the current account fills the transaction list again.
INT_PTR ShowBillsDialog(HWND owner, const MainWindowRefresh& views);
