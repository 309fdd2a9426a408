#pragma once
// The DPI a window is shown at, which scales the program's 96-DPI sizes
// (model/tables/dpi_scaling.h).

#include <windows.h>

#include "shell/win32_handles.h"

// The window's monitor's DPI where the system tells it per window (Windows 10
// 1607 on), otherwise the screen's.
int WindowDpi(HWND window);

// The font list views and toolbars take by default (the icon titles'), at
// `dpi` rather than the system's: for those of a window moved to a screen of
// another DPI, which keep the font they were made with.
UniqueFont MakeIconTitleFont(int dpi);
