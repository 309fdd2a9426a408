#pragma once
// The New Bill/Deposit (116) and Edit Bill/Deposit (117) dialogs: one layout,
// placed at the top-left corner of the owner's client area.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// Appends an item to `document`, proposed for the account at
// `currentAccount`: 1 when one was added (the last item), 2 after Cancel.
INT_PTR ShowNewBillDepositDialog(HWND owner, Document& document, std::int32_t currentAccount);

// Rewrites the item of `document` at `bill` in place: 1 when it was
// changed, 2 after Cancel or without such an item.
INT_PTR ShowEditBillDepositDialog(HWND owner, Document& document, std::int32_t bill);
