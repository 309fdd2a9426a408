#pragma once
// The Password dialog (111): sets, changes or clears the open file's password.

#include <windows.h>

#include "model/text_field.h"

// Runs the dialog over `owner` for a file's `password`; 1 after a
// successful OK, 2 after Cancel.
INT_PTR ShowPasswordDialog(HWND owner, Text31& password);
