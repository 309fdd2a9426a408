#pragma once
// The Import dialog (125): an account from a 1.1x account file (.pwa) into
// the open file.

#include <windows.h>

#include "model/document.h"

// Runs the dialog over `owner`, importing into `document`: 2 after Cancel;
// after an import, IDYES when the user wants to switch to the new account
// (the last one) and set its details, IDOK when not.
INT_PTR ShowImportDialog(HWND owner, Document& document);
