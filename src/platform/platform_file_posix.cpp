// Data file steps on POSIX systems (the native build of the core).

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/platform_file.h"

bool IsReplaceable(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return true;  // a new file
    // A file without write permission stays as it is, for root too, as a
    // read-only file does on Windows.
    return S_ISREG(status.st_mode) && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
           access(path.c_str(), W_OK) == 0;
}

bool FlushToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool PutInPlace(const std::string& temporary, const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) chmod(temporary.c_str(), status.st_mode & 07777);
    if (std::rename(temporary.c_str(), target.c_str()) != 0) return false;
    // Make the rename itself durable.
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
    return true;
}

InputFile::InputFile(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return;
    }
    posix_fadvise(descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);  // a hint: its failure changes nothing
    handle_ = descriptor;
    size_ = static_cast<std::uint64_t>(status.st_size);
}

InputFile::~InputFile() {
    if (IsOpen()) close(static_cast<int>(handle_));
}

bool InputFile::Read(void* out, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(out);
    while (count > 0) {
        const ssize_t got = read(static_cast<int>(handle_), bytes, count);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;  // an error, or the end of a file that became shorter
        bytes += got;
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

bool InputFile::Skip(std::uint64_t count) {
    return count <= static_cast<std::uint64_t>(INT64_MAX) &&
           lseek(static_cast<int>(handle_), static_cast<off_t>(count), SEEK_CUR) >= 0;
}

PathStatus StatusOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return {errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other};
    if (!S_ISREG(status.st_mode)) return {PathKind::Other};
    return {PathKind::File, static_cast<std::uint64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

// flock, not fcntl: its lock belongs to the open file, so that a second
// acquire in the same process is refused as one from another process is.
// The lock file stays behind; one that nobody holds is simply taken over.
bool DataFileLock::Acquire(const std::string& dataFilePath) {
    Reset();
    const int descriptor = open((dataFilePath + kLockFileSuffix).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) return true;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(descriptor);
        return !heldElsewhere;
    }
    lock_ = descriptor;
    return true;
}

bool DataFileLock::IsFor(const std::string& dataFilePath) const {
    struct stat held {}, named {};
    return lock_ != kNone && fstat(static_cast<int>(lock_), &held) == 0 &&
           stat((dataFilePath + kLockFileSuffix).c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

void DataFileLock::Reset() {
    if (lock_ != kNone) close(static_cast<int>(lock_));  // which drops the lock
    lock_ = kNone;
}

void PrepareBulkMemory(void* block, std::size_t bytes) {
    // Huge pages cut the page faults of a large load several hundredfold; the
    // advice applies to the whole 2 MiB pages inside the block.
    constexpr std::uintptr_t kHugePage = 2u << 20;
    const auto start = (reinterpret_cast<std::uintptr_t>(block) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kHugePage - 1);
#ifdef MADV_HUGEPAGE
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
}

// Huge pages (above) already spare the faults.
PrefaultedBlock::PrefaultedBlock(void*, std::size_t) {}

void PrefaultedBlock::Wait() {}
