#pragma once
// The frame's toolbar: six buttons, all disabled until a file is open.

// Creates the toolbar with its image strip (picked by the screen's colours);
// false when it cannot be made, and the frame goes on without it.
bool CreateMainToolbar();

// The tooltip of a toolbar command, or nullptr for other ids.
const char* ToolbarTooltip(int command);
