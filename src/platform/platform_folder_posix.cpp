// Folder steps on POSIX systems (the native build of the core).

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/platform_folder.h"

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        struct stat status {};
        const std::string path = folder + kPathSeparator + entry->d_name;
        if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) names.push_back(entry->d_name);
    }
    closedir(listing);
    return names;
}

bool IsFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool MakeFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0777) == 0) return true;
    struct stat status {};
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool OnSameVolume(const std::string& folder, const std::string& otherFolder) {
    struct stat first {}, second {};
    return stat(folder.c_str(), &first) == 0 && stat(otherFolder.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev;
}

bool MoveFileTo(const std::string& from, const std::string& to) {
    // A hard link refuses an existing name, which rename would replace.
    if (link(from.c_str(), to.c_str()) != 0) return false;
    if (unlink(from.c_str()) == 0) return true;
    unlink(to.c_str());
    return false;
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    const int source = open(from.c_str(), O_RDONLY);
    if (source < 0) return false;
    const int target = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (target < 0) {
        close(source);
        return false;
    }
    char buffer[1 << 16];
    bool copied = true;
    for (;;) {
        const ssize_t got = read(source, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0 || write(target, buffer, static_cast<std::size_t>(got)) != got) {
            copied = false;
            break;
        }
    }
    copied = fsync(target) == 0 && copied;
    copied = close(target) == 0 && copied;
    close(source);
    if (!copied) unlink(to.c_str());
    return copied;
}
