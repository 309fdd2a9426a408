#pragma once
// Platform steps of the data file code; one implementation per platform.

#include <cstdint>
#include <cstdio>
#include <string>

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

// A read-only view of a whole existing file, for loading it without copies.
class FileView {
public:
    explicit FileView(const std::string& path);
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;
    ~FileView();

    // False when the file is missing, not a plain file, or cannot be read.
    bool IsOpen() const { return open_; }
    const unsigned char* Data() const { return data_; }
    std::size_t Size() const { return size_; }

    // Tells the view that the bytes before `position` will not be read
    // again, so their memory can go; the view stays valid from there on.
    void Release(const unsigned char* position);

private:
    bool open_ = false;
    const unsigned char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t released_ = 0;
};
