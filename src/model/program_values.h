#pragma once
// The program-wide values of the GUI thread, kept together under the names
// the whole program uses for them. The shell holds the one instance.

#include <cstdint>
#include <string>

#include "model/dates.h"
#include "model/document.h"
#include "model/file/dated_copies.h"
#include "model/file/file_stamp.h"
#include "model/history/history.h"
#include "platform/platform_file.h"

// SortDate values: the date order of the transaction list.
inline constexpr std::int32_t kSortAscending = 0;
inline constexpr std::int32_t kSortDescending = 1;
inline constexpr std::int32_t kSortUnsorted = 2;

// The longest path the program keeps (a 260-byte buffer with its terminator).
inline constexpr std::size_t kMaxPathLength = 259;

struct ProgramValues {
    Document document;        // the open file's contents
    std::string currentFile;  // the open file's path; empty when no file is open
    DataFileLock currentFileLock;  // keeps other instances of the program off the open file
    FileStamp currentFileStamp;    // the open file as read or last written, to notice other writers
    Text31 OpeningPassword;   // the password of the file being opened
    History history;          // the open file's changes, for Undo and Redo

    // The account the list shows, or -1. What a dialog works on otherwise
    // (a transaction, an account, a bill, a category) is passed to it.
    std::int32_t CurrentAccountIndex = -1;

    std::int32_t DateFormat = kDateFormatAmerican;
    std::int32_t SortDate = kSortUnsorted;
    std::uint8_t ShowStats = 1;  // 1 when the stats panel is shown
    DatedCopySettings DatedCopies;  // what every save of the open file keeps
    std::string HelpFolder;      // folder of the help file
};
