#pragma once
// What the file commands share with start-up and closing: opening a data
// file, saving the open one. The commands themselves are in commands.h.

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/file/file_stamp.h"

// OpenDataFile results.
enum OpenResult : int {
    OpenedFile = 0,
    OpenUnreadable = 2,     // missing, unreadable, not a data file, or no memory for it
    OpenCancelled = 3,      // the password prompt was cancelled
    OpenInOtherWindow = 4,  // another instance of the program has the file open
};

// A data file read whole into a new document (nullptr when it cannot be),
// what the load had to say, and the file's stamp, taken before the read.
struct LoadedDocument {
    std::unique_ptr<Document> document;
    LoadNotes notes;
    FileStamp stamp;
    std::vector<std::uint8_t> encrypted;  // an encrypted file's bytes, for its password to open
};

// Starts reading the data file at `path` (double quotes removed) on a worker
// thread, so that a large file is read while the window is being made.
std::future<LoadedDocument> ReadDataFileInBackground(std::string path);

// Removes the double quotes from `path` and opens it: the document changes
// only when no other window has the file open, it was read whole and, for a
// protected file, the right password was typed. The file is then locked for
// this window and stamped as read.
int OpenDataFile(std::string& path);

// OpenDataFile with the file already being read by ReadDataFileInBackground.
int OpenDataFile(std::string& path, std::future<LoadedDocument>& reading);

// Saves the open file, if there is one. When the file on disk is no longer the
// one read or last written, asks first whether to save over it. False when
// the user said No, or, with "Error saving file." shown, when it cannot be
// written.
bool SaveOpenFile();

// What follows the opening of a file, at start-up or by Open: it becomes
// the current file with no account current, the stats panel is shown when
// ShowStats asks for it, and the Accounts dialog opens once the current
// handler has returned, so that the user picks an account.
void ShowOpenedFile(const std::string& path);

// On closing the window: saves the open file; when that fails, asks whether to
// close anyway. False when the window must stay open.
bool SaveBeforeClosing();
