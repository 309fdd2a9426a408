#pragma once
// The Password dialog (111): sets, changes or clears the open file's
// password, and whether the file is encrypted with it.

#include <windows.h>

#include "model/document.h"

// Runs the dialog over `owner` for the password and protection of
// `document`; 1 after a successful OK, 2 after Cancel. Turning encryption
// on, or changing the password of an encrypted file, derives the new key
// under the wait cursor.
INT_PTR ShowPasswordDialog(HWND owner, Document& document);
