#pragma once
// The frame window: its procedure and its layout.

#include <windows.h>

inline constexpr char kMainWindowClass[] = "Pennywhist";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Places the toolbar, the stats panel (right edge, when shown) and the list
// in a client area of the given size.
void LayoutMainWindow(int clientWidth, int clientHeight);

// The frame's small and large icons drawn for its DPI: the class's icon is
// loaded at the DPI the program started at.
void SetFrameIcons();
