// Data file steps on Windows.

#include <windows.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/platform_file.h"

bool IsReplaceable(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // a new file
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool FlushToDisk(std::FILE* file) {
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool PutInPlace(const std::string& temporary, const std::string& target) {
    return MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

FileView::FileView(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER length;
    if (GetFileSizeEx(file, &length) && length.QuadPart >= 0 &&
        static_cast<std::uint64_t>(length.QuadPart) <= SIZE_MAX) {
        size_ = static_cast<std::size_t>(length.QuadPart);
        if (size_ == 0) {
            open_ = true;  // an empty file cannot be mapped
        } else if (HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr)) {
            data_ = static_cast<const unsigned char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
            open_ = data_ != nullptr;
            CloseHandle(mapping);  // the view keeps the mapping alive
        }
    }
    CloseHandle(file);
}

// The system trims a read-only view's pages from the working set by itself.
void FileView::Release(const unsigned char*) {}

FileView::~FileView() {
    if (data_ != nullptr) UnmapViewOfFile(data_);
}

void PrepareBulkMemory(void*, std::size_t) {}
