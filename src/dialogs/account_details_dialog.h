#pragma once
// The Account Details dialog (106): name, comment, account number, contact
// information and credit limit of the account at Program.SelectedAccountIndex.

#include <windows.h>

// Runs the dialog over `owner`: 1 when the fields were stored, 2 after Cancel.
INT_PTR ShowAccountDetailsDialog(HWND owner);
