#pragma once
// The New Transaction (113) and Edit Transaction (114) dialogs of the current account.

#include <windows.h>

// Appends a transaction to the current account: 1 when one was added with
// OK, IDC_ADD_MORE when with "Add more..." (another should follow), 2 after Cancel.
INT_PTR ShowNewTransactionDialog(HWND owner);

// Rewrites the transaction at Program.SelectedTransactionIndex in place:
// 1 when it was changed, 2 after Cancel.
INT_PTR ShowEditTransactionDialog(HWND owner);
