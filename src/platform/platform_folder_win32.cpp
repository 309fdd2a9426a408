// Folder steps on Windows.

#include <windows.h>

#include "platform/platform_folder.h"

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool MakeFolder(const std::string& folder) {
    if (CreateDirectoryA(folder.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

namespace {

// The root of the volume that holds `path` ("C:\", or a mounted folder's path).
std::string VolumeOf(const std::string& path) {
    char volume[MAX_PATH + 1] = {};
    if (!GetVolumePathNameA(path.c_str(), volume, sizeof volume)) return {};
    return volume;
}

}  // namespace

bool OnSameVolume(const std::string& folder, const std::string& otherFolder) {
    const std::string volume = VolumeOf(folder);
    return !volume.empty() && lstrcmpiA(volume.c_str(), VolumeOf(otherFolder).c_str()) == 0;
}

bool MoveFileTo(const std::string& from, const std::string& to) {
    // Without MOVEFILE_COPY_ALLOWED a move to another volume fails rather than copies.
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), TRUE)) {
        // A copy cut short (disk full) may leave part of the file; one that
        // failed because `to` was there leaves that file alone.
        if (GetLastError() != ERROR_FILE_EXISTS) DeleteFileA(to.c_str());
        return false;
    }
    HANDLE copy = CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = copy != INVALID_HANDLE_VALUE && FlushFileBuffers(copy);
    if (copy != INVALID_HANDLE_VALUE) CloseHandle(copy);
    if (!flushed) DeleteFileA(to.c_str());
    return flushed;
}
