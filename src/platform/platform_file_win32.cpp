// Data file steps on Windows.

#include <windows.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <new>
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

InputFile::InputFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    LARGE_INTEGER length;
    // A disk file only: not a device or a pipe, which a path can name too.
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &length) || length.QuadPart < 0) {
        CloseHandle(file);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = static_cast<std::uint64_t>(length.QuadPart);
}

InputFile::~InputFile() {
    if (IsOpen()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool InputFile::Read(void* out, std::size_t count) {
    auto* bytes = static_cast<unsigned char*>(out);
    while (count > 0) {
        constexpr DWORD kLargestRead = 1u << 30;  // ReadFile counts in 32 bits
        const DWORD asked = count > kLargestRead ? kLargestRead : static_cast<DWORD>(count);
        DWORD got = 0;
        // A drive that went away fails the read (ERROR_DEVICE_NOT_CONNECTED and the like).
        if (!ReadFile(reinterpret_cast<HANDLE>(handle_), bytes, asked, &got, nullptr) || got == 0) return false;
        bytes += got;
        count -= got;
    }
    return true;
}

bool InputFile::Skip(std::uint64_t count) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(count);
    return count <= static_cast<std::uint64_t>(INT64_MAX) &&
           SetFilePointerEx(reinterpret_cast<HANDLE>(handle_), distance, nullptr, FILE_CURRENT) != 0;
}

void PrepareBulkMemory(void*, std::size_t) {}

namespace {

struct Block {
    volatile char* start;
    std::size_t bytes;
};

DWORD WINAPI TouchPages(void* parameter) {
    const Block* block = static_cast<Block*>(parameter);
    for (std::size_t at = 0; at < block->bytes; at += 4096) block->start[at] = 0;
    delete block;
    return 0;
}

}  // namespace

PrefaultedBlock::PrefaultedBlock(void* block, std::size_t bytes) {
    constexpr std::size_t kWorthAThread = 8u << 20;
    if (bytes < kWorthAThread) return;
    auto* work = new (std::nothrow) Block{static_cast<volatile char*>(block), bytes};
    if (work == nullptr) return;
    HANDLE thread = CreateThread(nullptr, 64 * 1024, TouchPages, work, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        delete work;
        return;  // the caller takes the faults itself
    }
    worker_ = reinterpret_cast<std::intptr_t>(thread);
}

void PrefaultedBlock::Wait() {
    if (worker_ == 0) return;
    HANDLE thread = reinterpret_cast<HANDLE>(worker_);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    worker_ = 0;
}
