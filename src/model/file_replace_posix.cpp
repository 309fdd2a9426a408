// Safe-save steps on POSIX systems (the native build of the core).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/file_replace.h"

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

bool FileSize(std::FILE* file, std::uint64_t& size) {
    struct stat status {};
    if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    size = static_cast<std::uint64_t>(status.st_size);
    return true;
}
