#pragma once
// The frame window and the program-wide values and handles of the GUI thread.

#include <windows.h>

#include "app/win32_handles.h"
#include "model/program_values.h"

// The program-wide values (document, file path, selections, settings).
extern ProgramValues Program;

// What start-up creates; released when the message loop has ended.
struct MainWindowHandles {
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HWND toolbar = nullptr;
    HWND transactionList = nullptr;
    HWND statsPanel = nullptr;
    UniqueAccelerators accelerators;
    UniqueBitmap toolbarImages;
    UniqueBitmap sortDescendingImage;  // on the Date header when SortDate is 1
    UniqueBitmap sortAscendingImage;   // on the Date header when SortDate is 0
    UniqueMenu listPopup;
};

extern MainWindowHandles App;

inline constexpr char kMainWindowClass[] = "Pennywhist";
inline constexpr char kProgramName[] = "Pennywhist";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Places the toolbar, the stats panel (right edge, when shown) and the list
// in a client area of the given size.
void LayoutMainWindow(int clientWidth, int clientHeight);

// Runs a menu, toolbar or accelerator command (ids outside the program's range are ignored).
void RunCommand(int command);

// A message box of the program: caption "Pennywhist", owned by the frame
// unless a dialog owns it.
int ShowMessage(const char* text, UINT buttonsAndIcon, HWND owner = nullptr);
