#pragma once
// The common Open dialog as the program's imports show it.

#include <windows.h>

#include <string>

// Asks for an existing file over `owner`; `filter` is a list of
// zero-terminated description and pattern pairs. The chosen path, or empty
// when the user cancels.
std::string ChooseFileToOpen(HWND owner, const char* filter, const char* title);
