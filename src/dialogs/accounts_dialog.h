#pragma once
// The Accounts dialog (107): lists the accounts and switches to, details,
// adjusts, creates and deletes them.

#include <windows.h>

// Runs the dialog over `owner`: 1 after "Switch to...", 2 after "Close",
// IDC_NEW_ACCOUNT after "New..." (the New Account command has been sent).
INT_PTR ShowAccountsDialog(HWND owner);
