#pragma once
// The file commands: New File, Open, Save, Save As, and opening a data file
// from the command line or the last session.

#include <string>

// OpenDataFile results.
enum OpenResult : int {
    OpenedFile = 0,
    OpenNoMemory = 1,
    OpenUnreadable = 2,  // missing, unreadable, or not a data file
    OpenCancelled = 3,   // the password prompt was cancelled
};

// Removes the double quotes from `path` and opens it: the document changes
// only when the file was read whole and, for a protected file, the right
// password was typed.
int OpenDataFile(std::string& path);

void OnNewFile();
void OnOpen();
void OnSaveAs();

// Saves the open file, if there is one; false, with "Error saving file."
// shown, when it cannot be written.
bool SaveOpenFile();

// On closing the window: saves the open file; when that fails, asks whether to
// close anyway. False when the window must stay open.
bool SaveBeforeClosing();
