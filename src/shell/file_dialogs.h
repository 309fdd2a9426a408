#pragma once
// The common file dialogs as the program's imports and exports show them.

#include <windows.h>

#include <string>

// Asks for an existing file over `owner`; `filter` is a list of
// zero-terminated description and pattern pairs. The chosen path, or empty
// when the user cancels.
std::string ChooseFileToOpen(HWND owner, const char* filter, const char* title);

// Asks where to export over `owner`, offering "CSV, comma-separated" and
// "CSV, semicolon-separated"; `semicolon` says which was chosen. The chosen
// path (with ".csv" added when it has no extension), or empty when the user cancels.
std::string ChooseCsvFileToSave(HWND owner, bool& semicolon);

// The shell's folder browser over `owner` (file-system folders only) under
// `title`; the chosen folder's path, or empty when the user cancels or the
// folder has no path.
std::string ChooseFolder(HWND owner, const char* title);
