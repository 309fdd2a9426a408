#pragma once
// The New Transaction (113) and Edit Transaction (114) dialogs of an account.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// Appends a transaction to `account`, with a category of `document`: 1 when
// one was added with OK, IDC_ADD_MORE when with "Add more..." (another
// should follow), 2 after Cancel.
INT_PTR ShowNewTransactionDialog(HWND owner, const Document& document, Account& account);

// Rewrites the transaction of `account` at `position` in place: 1 when it
// was changed, 2 after Cancel or without such a transaction.
INT_PTR ShowEditTransactionDialog(HWND owner, const Document& document, Account& account, std::int32_t position);
