#pragma once
// The Process Bill/Deposit dialog (120): the transaction that the item at
// Program.SelectedBillIndex gives, placed at the top-left corner of the
// owner's client area.

#include <windows.h>

// Runs the dialog over `owner`: 1 when the transaction was appended to the
// account chosen (the item itself unchanged), 2 after Cancel.
INT_PTR ShowProcessBillDepositDialog(HWND owner);
