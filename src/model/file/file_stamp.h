#pragma once
// Telling that the data file on disk is no longer the one the program read or
// last wrote (another program or a sync client wrote it meanwhile), without
// reading it whole: its size, its last-write time and a check of its first
// block. Other instances of the program are kept off by DataFileLock.

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kStampedBlockBytes = 64 * 1024;

struct FileStamp {
    bool present = false;  // false: there was no file, or it could not be read
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0;         // in the system's own units
    std::uint32_t firstBlockCheck = 0;  // CRC-32 of the first kStampedBlockBytes

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` as it is now.
FileStamp TakeFileStamp(const std::string& path);

// Whether saving over `path` would overwrite what the program has not seen:
// true when a file is there that `stamp` does not describe (changed, or there
// where the stamp found none) or that cannot be read to tell. A missing file
// is not changed: the save writes it again, from memory.
bool ChangedOnDisk(const FileStamp& stamp, const std::string& path);
