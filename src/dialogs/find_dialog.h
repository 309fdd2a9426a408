#pragma once
// The Find Transaction dialog (122): selects the next row of the transaction
// list whose payee, memo or number holds a text.

#include <windows.h>

// Runs the dialog over `owner`, searching `list` as it displays its rows; it
// ends only with Cancel (2).
INT_PTR ShowFindDialog(HWND owner, HWND list);
