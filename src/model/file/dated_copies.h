#pragma once
// The dated copies of a data file: at every save of the open file the file
// as it was is kept as NAME.YYYY-MM-DD_HHMMSS.pwf (local time of the save;
// -2, -3, ... after a name already there) in a folder Backups beside it or
// one the user chose, and only the newest copies are kept. Renaming the old
// file costs nothing where the folder is on the data file's volume; on
// another one the old file is copied.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the Options dialog sets.
struct DatedCopySettings {
    bool keep = true;
    std::int32_t count = 10;  // 1 to 999
    std::string folder;       // empty: Backups beside the data file
};
inline constexpr std::int32_t kMostDatedCopies = 999;

struct CopyTime {
    std::int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    friend auto operator<=>(const CopyTime&, const CopyTime&) = default;
};

// The local time now.
CopyTime LocalTimeNow();

// The folder of `dataFile`'s copies: `chosen`, or Backups beside the file.
std::string DatedCopyFolder(const std::string& dataFile, const std::string& chosen);

// A copy's name parts: the data file's name without its extension, the time
// and the number (1 for none, 2 for "-2", ...).
std::string DataFileStem(const std::string& dataFile);
std::string DatedCopyName(std::string_view stem, const CopyTime& time, int number);

struct DatedCopy {
    std::string name;
    CopyTime time;
    int number = 1;
};

// The copies of the data file named `stem` among `names` (a folder's files),
// newest first: only names made by DatedCopyName for this stem, its letters'
// case aside; a copy of another file, or a name that only looks like one, is
// not among them.
std::vector<DatedCopy> DatedCopiesAmong(const std::vector<std::string>& names, std::string_view stem);

// The first of `stem`'s names for `time` that is not among `names`.
std::string FreeDatedCopyName(const std::vector<std::string>& names, std::string_view stem, const CopyTime& time);

// How the old file gets to the copy's place; the platform's folder steps, or
// a test's.
struct CopySteps {
    bool (*sameVolume)(const std::string& folder, const std::string& otherFolder);
    bool (*move)(const std::string& from, const std::string& to);
    bool (*copy)(const std::string& from, const std::string& to);
};
extern const CopySteps kPlatformCopySteps;

// One save's copy: asked for before the save, made once the new file is
// whole, and put back when the new file cannot take its place.
struct DatedCopyRequest {
    DatedCopySettings settings;
    CopyTime time;
    const CopySteps* steps = &kPlatformCopySteps;
};
struct KeptCopy {
    std::string path;   // empty: no copy was made
    bool moved = false; // the old file itself, rather than a copy of it
};

// Moves (or copies) the file at `dataFile` to a free dated name; no copy
// when there is no file, the folder cannot be made or the step fails, so
// that the save goes on without one.
KeptCopy KeepOldFile(const std::string& dataFile, const DatedCopyRequest& request);
// The save failed: the old file goes back, or the copy goes.
void UndoKeptCopy(const KeptCopy& kept, const std::string& dataFile, const CopySteps& steps);
// Deletes the copies of `dataFile` past the newest `count` in `folder`.
void PruneDatedCopies(const std::string& dataFile, const std::string& folder, std::int32_t count);
