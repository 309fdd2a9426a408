#pragma once
// The Accounts dialog (107): lists the accounts and switches to, details,
// adjusts, creates and deletes them.

#include <windows.h>

#include <cstdint>

// Runs the dialog over `owner`: 1 after "Switch to..." with the chosen
// account in `switchTo`, 2 after "Close", IDC_NEW_ACCOUNT after "New...".
// While it is open, `showCurrentAccount` is called whenever details, an
// adjustment or a deletion changed what the main window shows of the current
// account (Program.CurrentAccountIndex, -1 once it has been deleted).
INT_PTR ShowAccountsDialog(HWND owner, void (*showCurrentAccount)(), std::int32_t& switchTo);
