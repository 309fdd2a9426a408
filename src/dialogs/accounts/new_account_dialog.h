#pragma once
// The New Account dialog (105) and the sequence that follows it with Account
// Details for the new account.

#include <windows.h>

#include "model/document.h"

// Runs the dialog over `owner`: 1 when an account (with its opening entry)
// was appended as the last account of `document`, 2 after Cancel.
INT_PTR ShowNewAccountDialog(HWND owner, Document& document);

// New Account, then Account Details for the new account, which is removed
// again when Account Details is cancelled. True when an account was created;
// it is the last one.
bool CreateAccountWithDetails(HWND owner, Document& document);
