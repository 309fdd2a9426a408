#pragma once
// The Adjust dialog (135): brings an account's balance to a typed figure
// with an "ADJUSTMENT" entry.

#include <windows.h>

#include "model/account.h"

// Runs the dialog over `owner` for `account`: 1 when an entry was added (or
// adding it failed), 2 when nothing changed.
INT_PTR ShowAdjustDialog(HWND owner, Account& account);
