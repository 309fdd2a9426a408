#pragma once
// The Restore a Dated Copy dialog's list and its restore: the copies of the
// open file newest first, each with what its header and account heads say,
// and a restore that first keeps the data it replaces as a copy of its own.

#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"
#include "model/file/dated_copies.h"
#include "model/file/encrypted_file.h"
#include "model/tables/list_columns.h"

inline constexpr ListColumn kDatedCopyColumns[] = {
    {0, "Saved", 130}, {1, "Size", 70}, {2, "Accounts", 60}, {3, "Transactions", 80}};

struct DatedCopyRow {
    std::string path;
    // As kDatedCopyColumns; a copy that is encrypted, or no data file, says so under "Accounts".
    std::string cells[4];
};

// The copies of `dataFile` in its copies' folder, newest first; dates in the date order.
std::vector<DatedCopyRow> ListDatedCopies(const std::string& dataFile, const DatedCopySettings& settings,
                                          std::int32_t dateFormat);

// "1.5 MB", "12 KB": a file's size as the list shows it.
std::string FileSizeText(std::uint64_t bytes);

enum class DatedRestore {
    Restored,
    NotKept,     // the data open could not be kept as a copy: nothing was restored
    Unreadable,  // the copy could not be read whole: the data open is as it was
    Cancelled,   // the user gave up on an encrypted copy's password
};

// Keeps `document` as a dated copy of `dataFile` made at `time`, then
// replaces it with the copy at `copyPath`, keeping its password and
// protection, as a restore does (RestoreBackup, with `unlock`).
DatedRestore RestoreDatedCopy(Document& document, const std::string& dataFile, const std::string& copyPath,
                              const DatedCopySettings& settings, const CopyTime& time, LoadNotes& notes,
                              const EnvelopeUnlocker& unlock);
