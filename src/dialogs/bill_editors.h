#pragma once
// The New Bill/Deposit (116) and Edit Bill/Deposit (117) dialogs: one layout,
// placed at the top-left corner of the owner's client area.

#include <windows.h>

// Appends an item: 1 when one was added (the last item), 2 after Cancel.
INT_PTR ShowNewBillDepositDialog(HWND owner);

// Rewrites the item at Program.SelectedBillIndex in place: 1 when it was
// changed, 2 after Cancel.
INT_PTR ShowEditBillDepositDialog(HWND owner);
