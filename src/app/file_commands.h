#pragma once
// What the file commands share with start-up and closing: opening a data
// file, saving the open one. The commands themselves are in commands.h.

#include <future>
#include <memory>
#include <string>

#include "model/document.h"

// OpenDataFile results.
enum OpenResult : int {
    OpenedFile = 0,
    OpenUnreadable = 2,  // missing, unreadable, not a data file, or no memory for it
    OpenCancelled = 3,   // the password prompt was cancelled
};

// A data file read whole into a new document (nullptr when it cannot be),
// and what the load had to say.
struct LoadedDocument {
    std::unique_ptr<Document> document;
    LoadNotes notes;
};

// Starts reading the data file at `path` (double quotes removed) on a worker
// thread, so that a large file is read while the window is being made.
std::future<LoadedDocument> ReadDataFileInBackground(std::string path);

// Removes the double quotes from `path` and opens it: the document changes
// only when the file was read whole and, for a protected file, the right
// password was typed.
int OpenDataFile(std::string& path);

// OpenDataFile with the file already being read by ReadDataFileInBackground.
int OpenDataFile(std::string& path, std::future<LoadedDocument>& reading);

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
