#pragma once
// The Password dialog (111): sets, changes or clears the open file's password.

#include <windows.h>

// Runs the dialog over `owner`; 1 after a successful OK, 2 after Cancel.
INT_PTR ShowPasswordDialog(HWND owner);
