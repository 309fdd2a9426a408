#pragma once
// The paths of the Import and Backup/Restore dialogs, and what a restore
// does to the open data.

#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"
#include "model/file/encrypted_file.h"
#include "model/program_values.h"
#include "model/rule_outcome.h"

inline constexpr std::string_view kBackupFileName = "backup.pwf";

// The longest location that can pass BackupPath (one that ends with a
// backslash); the location box takes no more.
inline constexpr std::size_t kMaxBackupLocationLength =
    kMaxPathLength - kBackupFileName.size() - kSaveTemporarySuffix.size();

// The backup file in `location`: the location, a backslash unless it ends
// with one, then "backup.pwf". None when the location is missing, or when
// the path, or the temporary file that the save writes beside it, would be
// longer than a path may be (259 characters): such a location is refused
// before anything is written.
std::optional<std::string> BackupPath(std::string_view location);

// A path read from a dialog's box, or the refusal that sends the focus back
// to the box.
struct TypedPath {
    std::optional<std::string> path;
    RuleOutcome refusal;
};

// The Import box: its first 259 characters. A missing path says "Enter a
// file to import." and empties the box.
TypedPath ImportPath(std::string_view typed);

// The Backup/Restore box through BackupPath. A refused location says "Enter
// a location." and stays in the box, selected, to be corrected.
TypedPath BackupLocation(std::string_view typed);

enum class RestoreResult {
    Restored,
    Unreadable,  // the file cannot be read whole: the document is as it was
    Cancelled,   // the user gave up on an encrypted file's password
};

// Replaces the document with the backup at `path`, keeping the document's
// own password and protection. An encrypted backup is opened with that
// password when it can be, otherwise with what `unlock` asks of the user.
// `notes` says what the load had to say.
RestoreResult RestoreBackup(Document& document, const std::string& path, LoadNotes& notes,
                            const EnvelopeUnlocker& unlock);
