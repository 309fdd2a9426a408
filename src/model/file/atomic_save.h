#pragma once
// Writing a file so that it is either whole or not there: the bytes go to a
// temporary file beside it (the path and kSaveTemporarySuffix), which then
// replaces the old file in one step. The data file and exports save so.

#include <functional>
#include <string>

class DataWriter;

struct DatedCopyRequest;

// False on any error (folder missing, read-only file, disk full, no
// memory); the old file, if any, is then as it was and no temporary stays.
// With `copy`, the old file is kept as a dated copy once the new one is
// whole, and the copies past the number asked for go once it is in place.
bool SaveAtomically(const std::string& path, const std::function<void(DataWriter&)>& write,
                    const DatedCopyRequest* copy = nullptr);

// Removes the temporary file that a save killed part way (a crash, a power
// cut) left beside `path`. Only for the file this window holds the lock of:
// another window's save in progress writes such a file too. A save replaces it anyway.
void RemoveSaveLeftover(const std::string& path);
