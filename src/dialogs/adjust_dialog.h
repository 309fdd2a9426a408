#pragma once
// The Adjust dialog (135): brings the balance of the account at
// Program.SelectedAccountIndex to a typed figure with an "ADJUSTMENT" entry.

#include <windows.h>

// Runs the dialog over `owner`: 1 when an entry was added (or adding it
// failed), 2 when nothing changed.
INT_PTR ShowAdjustDialog(HWND owner);
