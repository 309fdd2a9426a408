#pragma once
// The DPI a window is shown at, which scales the program's 96-DPI sizes
// (model/tables/dpi_scaling.h).

#include <windows.h>

// The window's monitor's DPI where the system tells it per window (Windows 10
// 1607 on), otherwise the screen's.
int WindowDpi(HWND window);
