#pragma once
// The path of the Backup/Restore dialog, and what a restore does to the
// open data.

#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"

// The backup file in `location`: the location, a backslash unless it ends
// with one, then "backup.pwf". None when the location is missing, or when
// the path would be longer than a path may be (259 characters): such a
// location is refused before anything is written.
std::optional<std::string> BackupPath(std::string_view location);

// Replaces the document with the backup at `path`, keeping the document's
// own password. False, with the document as it was, when the file cannot be
// read whole.
bool RestoreBackup(Document& document, const std::string& path);
