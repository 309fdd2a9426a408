#pragma once
// Platform steps of the data file code; one implementation per platform.

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

// False when `path` names an existing file that must not be replaced (read-only).
bool IsReplaceable(const std::string& path);

// Pushes a written file's bytes to the disk; false on any error.
bool FlushToDisk(std::FILE* file);

// Puts `temporary` in the place of `target` in one step, replacing an existing
// file; false, with `target` untouched, on failure.
bool PutInPlace(const std::string& temporary, const std::string& target);

// Hints that a large block is about to be filled from start to end, so the
// system can back it with large pages; nothing happens where that is unknown.
void PrepareBulkMemory(void* block, std::size_t bytes);

// Where large pages are not to be had (Windows, and Wine on Linux), every
// 4 KiB page of a fresh block costs a page fault on its first write, which
// dominates the reading of a large file. This takes the faults of a block
// (the back part of one being filled) on another thread meanwhile; the
// block must not be written before Wait() has returned. Small blocks, and
// systems with large pages, are left alone.
class PrefaultedBlock {
public:
    PrefaultedBlock(void* block, std::size_t bytes);
    ~PrefaultedBlock() { Wait(); }
    PrefaultedBlock(const PrefaultedBlock&) = delete;
    PrefaultedBlock& operator=(const PrefaultedBlock&) = delete;
    void Wait();

private:
    // The worker thread's handle, 0 when none runs; the POSIX build starts none.
    [[maybe_unused]] std::intptr_t worker_ = 0;
};

// An existing file read from front to back with plain reads. A mapped view
// is not used: when the drive goes away part way (a removed USB stick, a
// dropped network share), touching its pages kills the program, where a read
// just fails.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // False when the file is missing, not a plain file, or cannot be read.
    bool IsOpen() const { return handle_ != kClosed; }
    // The size the file had when it was opened.
    std::uint64_t Size() const { return size_; }

    // Fills `out` with the next `count` bytes; false on a read error or when
    // the file ends before them.
    bool Read(void* out, std::size_t count);
    // Moves on `count` bytes without reading them; false on an error.
    bool Skip(std::uint64_t count);

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;  // a descriptor on POSIX, a HANDLE on Windows
    std::uint64_t size_ = 0;
};

// What a path names, as far as telling that a file changed goes.
enum class PathKind {
    Missing,  // nothing there, or its folder is gone
    File,     // a plain file
    Other,    // a folder or a device, or the system could not say
};

struct PathStatus {
    PathKind kind = PathKind::Missing;
    std::uint64_t size = 0;      // of a File
    std::int64_t lastWrite = 0;  // of a File: its last-write time, in the system's own units
};

PathStatus StatusOf(const std::string& path);

// The lock file of a data file: its path followed by this.
inline constexpr char kLockFileSuffix[] = ".lock";

// Keeps other instances of the program off a data file while this one has it
// open. The lock is an exclusive byte lock on a small lock file beside the
// data file (not on the data file itself, which each save replaces by a
// rename); the system drops it when the process ends, so a crash never leaves
// the file locked. Non-copyable; moving hands the lock over.
class DataFileLock {
public:
    DataFileLock() = default;
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;
    DataFileLock(DataFileLock&& other) noexcept
        : lock_(std::exchange(other.lock_, kNone)), remover_(std::exchange(other.remover_, kNone)) {}
    DataFileLock& operator=(DataFileLock&& other) noexcept {
        if (this != &other) {
            Reset();
            lock_ = std::exchange(other.lock_, kNone);
            remover_ = std::exchange(other.remover_, kNone);
        }
        return *this;
    }
    ~DataFileLock() { Reset(); }

    // Lets go of what it held, then locks the data file at `dataFilePath`.
    // False, holding nothing, when another holder has it. Where no lock file
    // can be made (a read-only folder or disc) it holds nothing and returns
    // true: no save can be made there either, since a save writes its new
    // file beside the old one too.
    bool Acquire(const std::string& dataFilePath);

    // Whether this holds the lock of `dataFilePath`, under whatever name the
    // path reaches the lock file by.
    bool IsFor(const std::string& dataFilePath) const;

    // Lets go of the lock, if any.
    void Reset();

private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t lock_ = kNone;     // the locked lock file: a descriptor on POSIX, a HANDLE on Windows
    std::intptr_t remover_ = kNone;  // Windows: the handle whose closing deletes the lock file
};
