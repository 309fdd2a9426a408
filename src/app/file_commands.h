#pragma once
// What the file commands share with start-up and closing: opening a data
// file, saving the open one. The commands themselves are in commands.h.

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

// Saves the open file, if there is one; false, with "Error saving file."
// shown, when it cannot be written.
bool SaveOpenFile();

// What follows the opening of a file, at start-up or by Open: it becomes
// the current file with no account current, the stats panel is shown when
// ShowStats asks for it, and the Accounts dialog opens once the current
// handler has returned, so that the user picks an account.
void ShowOpenedFile(const std::string& path);

// On closing the window: saves the open file; when that fails, asks whether to
// close anyway. False when the window must stay open.
bool SaveBeforeClosing();
