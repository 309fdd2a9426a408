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

PathStatus StatusOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing : PathKind::Other};
    }
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return {PathKind::Other};
    const auto join = [](DWORD high, DWORD low) { return (std::uint64_t(high) << 32) | low; };
    return {PathKind::File, join(data.nFileSizeHigh, data.nFileSizeLow),
            static_cast<std::int64_t>(join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime))};
}

namespace {

// Every opener of a lock file lets the others open it too, to try the lock,
// and lets its holder delete it.
HANDLE OpenLockFile(const std::string& path, DWORD access, DWORD disposition, DWORD flags) {
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, flags, nullptr);
}

// A lock file on its way out: its last holder has let go and it goes when the
// last handle on it closes. Locking it would lock nothing that a newcomer
// opening the path would see.
bool IsBeingDeleted(HANDLE file) {
    FILE_STANDARD_INFO info{};
    return GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) && info.DeletePending;
}

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION first, second;
    return GetFileInformationByHandle(a, &first) && GetFileInformationByHandle(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

}  // namespace

bool DataFileLock::Acquire(const std::string& dataFilePath) {
    Reset();
    const std::string path = dataFilePath + kLockFileSuffix;
    // One more try for each lock file caught being deleted by its last holder.
    for (int attempt = 0; attempt < 3; ++attempt) {
        HANDLE file = OpenLockFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN);
        if (file == INVALID_HANDLE_VALUE) return true;
        OVERLAPPED first{};  // the lock covers the first byte, which need not exist
        if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &first)) {
            const bool heldElsewhere = GetLastError() == ERROR_LOCK_VIOLATION;
            CloseHandle(file);
            return !heldElsewhere;
        }
        if (IsBeingDeleted(file)) {
            CloseHandle(file);
            continue;
        }
        lock_ = reinterpret_cast<std::intptr_t>(file);
        // Only the holder opens the lock file to delete it on closing, so a
        // failed try by another instance never deletes a lock that is held;
        // the system closes this handle too when the process ends. Without
        // it the lock holds all the same and the file stays behind.
        HANDLE remover = OpenLockFile(path, DELETE, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE);
        if (remover != INVALID_HANDLE_VALUE) remover_ = reinterpret_cast<std::intptr_t>(remover);
        return true;
    }
    return true;  // it kept going away under us: as where no lock file can be made
}

bool DataFileLock::IsFor(const std::string& dataFilePath) const {
    if (lock_ == kNone) return false;
    HANDLE named = OpenLockFile(dataFilePath + kLockFileSuffix, 0, OPEN_EXISTING, 0);
    if (named == INVALID_HANDLE_VALUE) return false;
    const bool same = SameFile(reinterpret_cast<HANDLE>(lock_), named);
    CloseHandle(named);
    return same;
}

void DataFileLock::Reset() {
    // The delete is set going while the lock still holds, so that whoever
    // takes the lock next sees that this file is on its way out.
    if (remover_ != kNone) CloseHandle(reinterpret_cast<HANDLE>(remover_));
    if (lock_ != kNone) CloseHandle(reinterpret_cast<HANDLE>(lock_));
    remover_ = lock_ = kNone;
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
