#pragma once
// The Account Details dialog (106): name, comment, account number, contact
// information and credit limit of an account.

#include <windows.h>

#include <cstdint>

#include "model/document.h"

// Runs the dialog over `owner` for the account of `document` at `account`
// (names are checked against the others): 1 when the fields were stored,
// 2 after Cancel or without such an account.
INT_PTR ShowAccountDetailsDialog(HWND owner, Document& document, std::int32_t account);
