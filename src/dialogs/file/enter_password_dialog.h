#pragma once
// The Enter password dialog (112): asks for the password of a file being opened.

#include <windows.h>

#include "model/text_field.h"

// Runs the dialog over `owner`; 1 only when the text typed is `password`,
// 2 after Cancel.
INT_PTR ShowEnterPasswordDialog(HWND owner, const Text31& password);
