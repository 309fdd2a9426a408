// Data file steps on POSIX systems (the native build of the core).

#include <fcntl.h>
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

FileView::FileView(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY);
    if (descriptor < 0) return;
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        size_ = static_cast<std::size_t>(status.st_size);
        if (size_ == 0) {
            open_ = true;
        } else {
            // Populated at once: the loader reads every byte, front to back.
            void* view = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
            if (view != MAP_FAILED) {
                data_ = static_cast<const unsigned char*>(view);
                open_ = true;
            }
        }
    }
    close(descriptor);
}

void FileView::Release(const unsigned char* position) {
    // Whole pages only: the page holding `position` may still be read.
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t end = static_cast<std::size_t>(position - data_) / page * page;
    if (data_ == nullptr || end <= released_) return;
    madvise(const_cast<unsigned char*>(data_) + released_, end - released_, MADV_DONTNEED);
    released_ = end;
}

FileView::~FileView() {
    if (data_ != nullptr) munmap(const_cast<unsigned char*>(data_), size_);
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
