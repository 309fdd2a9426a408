#pragma once
// The frame's toolbar: six buttons, all disabled until a file is open.

// Creates the toolbar with its image strip (picked by the frame's DPI and the
// screen's colours); false when it cannot be made, and the frame goes on
// without it.
bool CreateMainToolbar();

// The toolbar made again at the frame's new DPI, its buttons enabled as they
// were; false as CreateMainToolbar.
bool RescaleMainToolbar();

// The tooltip of a toolbar command, or nullptr for other ids.
const char* ToolbarTooltip(int command);
