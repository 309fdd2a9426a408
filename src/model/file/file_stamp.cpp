#include "model/file/file_stamp.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "model/file/crc32.h"
#include "platform/platform_file.h"

namespace {

// The CRC-32 of the file's first block; nullopt when it cannot be read.
std::optional<std::uint32_t> FirstBlockCheck(const std::string& path) {
    InputFile file(path);
    if (!file.IsOpen()) return std::nullopt;
    std::vector<unsigned char> block(static_cast<std::size_t>(std::min<std::uint64_t>(file.Size(), kStampedBlockBytes)));
    if (!file.Read(block.data(), block.size())) return std::nullopt;
    Crc32 crc;
    crc.Add(block.data(), block.size());
    return crc.Final();
}

}  // namespace

FileStamp TakeFileStamp(const std::string& path) {
    const PathStatus status = StatusOf(path);
    if (status.kind != PathKind::File) return {};
    const std::optional<std::uint32_t> check = FirstBlockCheck(path);
    if (!check) return {};
    return {true, status.size, status.lastWrite, *check};
}

bool ChangedOnDisk(const FileStamp& stamp, const std::string& path) {
    if (StatusOf(path).kind == PathKind::Missing) return false;
    const FileStamp now = TakeFileStamp(path);
    return !now.present || now != stamp;
}
