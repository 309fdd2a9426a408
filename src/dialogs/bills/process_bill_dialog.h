#pragma once
// The Process Bill/Deposit dialog (120): the transaction that a bill or
// deposit gives, placed at the top-left corner of the owner's client area.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// What the dialog ended with: 1 when the transaction was appended to the
// account at `account` (the item itself unchanged), 2 after Cancel or
// without such an item.
struct ProcessChoice {
    INT_PTR end = IDCANCEL;
    std::int32_t account = -1;
};

// Runs the dialog over `owner` for the item of `document` at `bill`.
ProcessChoice ShowProcessBillDepositDialog(HWND owner, Document& document, std::int32_t bill);
