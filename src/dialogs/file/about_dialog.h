#pragma once
// The About dialog (127): banner, program icon, name and version.

#include <windows.h>

// Runs the dialog over `owner` until Esc or the title bar's close box ends it.
void ShowAboutDialog(HWND owner);
