#pragma once
// The Enter password dialog (112): asks for the password of a file being opened.

#include <windows.h>

#include <functional>
#include <string_view>

#include "model/file/encrypted_file.h"
#include "model/text_field.h"

// Runs the dialog over `owner`; 1 only when the text typed is `password`,
// 2 after Cancel.
INT_PTR ShowEnterPasswordDialog(HWND owner, const Text31& password);

// The same for an encrypted file: `opens` is asked whether a text typed (its
// first 30 characters) opens the file, under the wait cursor, as each try
// costs the key derivation.
INT_PTR ShowEnterPasswordDialog(HWND owner, const std::function<bool(std::string_view)>& opens);

// Asks over `owner` for the password of an encrypted file of this header
// until one opens it: its protection and the password, or none after Cancel.
std::optional<UnlockedFile> AskFilePassword(HWND owner, const EnvelopeHeader& header);
