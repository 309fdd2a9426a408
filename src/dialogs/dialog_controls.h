#pragma once
// What every dialog procedure does with its controls: read a box whole, show
// a message the core chose, send the user back to a refused box.

#include <windows.h>

#include <string>

#include "model/message_icon.h"

// The whole text of a control (the core's rules keep what counts of it).
std::string ControlText(HWND dialog, int control);

// A message box of the program owned by `owner`, with the icon the core chose.
int ShowRuleMessage(HWND owner, const char* text, MessageIcon icon, UINT buttons = MB_OK);

// Gives a box the keyboard focus with its whole text selected, through the
// dialog manager so that the default button stays the default.
void FocusWithTextSelected(HWND dialog, int control);
