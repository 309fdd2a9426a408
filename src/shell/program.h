#pragma once
// What every window of the shell shares: the program-wide values, the
// handles start-up makes, and the program's message boxes. Depends on no
// other part of the shell.

#include <windows.h>

#include <string>

#include "model/messages.h"
#include "model/program_values.h"
#include "model/tables/dpi_scaling.h"
#include "shell/win32_handles.h"

// The program-wide values (document, file path, selections, settings).
extern ProgramValues Program;

// What start-up creates; released when the message loop has ended.
struct MainWindowHandles {
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HWND toolbar = nullptr;
    HWND transactionList = nullptr;
    HWND statsPanel = nullptr;
    int frameDpi = kBaseDpi;  // the DPI the frame's sizes are scaled for
    UniqueAccelerators accelerators;
    UniqueBitmap toolbarImages;
    UniqueBitmap sortDescendingImage;  // on the Date header when SortDate is 1
    UniqueBitmap sortAscendingImage;   // on the Date header when SortDate is 0
    UniqueIcon statsPanelIcons[2];     // the stats panel's headings', at the frame's DPI
    UniqueIcon frameIcons[2];          // the title bar's and the task switcher's, at the frame's DPI
    UniqueFont frameFont;              // the list's and toolbar's once the frame has moved between DPIs
    UniqueMenu listPopup;
    ComApartment com;  // the GUI thread's, entered first and left last
};

extern MainWindowHandles App;

// The main window's refreshes, for a dialog that changes what the views show
// while it stays open: app/ hands them over, the dialog calls them.
struct MainWindowRefresh {
    bool (*fillTransactionList)();  // false when the rows cannot be made
    void (*refreshStats)();
};

inline constexpr char kProgramName[] = "Pennywhist";

// A message box of the program: caption "Pennywhist", the message's icon,
// OK or Yes and No; owned by the frame unless a dialog owns it. The button
// chosen (IDOK, IDYES or IDNO).
int ShowMessage(const Message& message, HWND owner = nullptr);

// The whole text of a window or a control.
std::string TextOf(HWND window);
