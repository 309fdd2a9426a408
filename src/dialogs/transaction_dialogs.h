#pragma once
// The New Transaction (113) and Edit Transaction (114) dialogs of the current account.

#include <windows.h>

// Appends a transaction: 1 when one was added (OK or "Add more...", which
// also posts the New Transaction command again), 2 after Cancel.
INT_PTR ShowNewTransactionDialog(HWND owner);

// Rewrites the transaction at Program.SelectedTransactionIndex in place:
// 1 when it was changed, 2 after Cancel.
INT_PTR ShowEditTransactionDialog(HWND owner);
