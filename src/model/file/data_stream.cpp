#include "model/file/data_stream.h"

#include <algorithm>
#include <cstring>

#include "platform/platform_crypto.h"

namespace {
// Large blocks keep the number of reads and writes small; the read block is
// small enough to add little to a large load's memory.
constexpr std::size_t kReadBlock = 4 << 20;
constexpr std::size_t kWriteBlock = 4 << 20;
}  // namespace

DataReader::DataReader(InputFile& file)
    : file_(&file),
      unread_(file.Size()),
      capacity_(static_cast<std::size_t>(std::min<std::uint64_t>(kReadBlock, file.Size()))) {
    buffer_ = std::make_unique_for_overwrite<unsigned char[]>(capacity_);
    cursor_ = end_ = buffer_.get();
}

const unsigned char* DataReader::Refill(std::size_t count) {
    const auto buffered = static_cast<std::size_t>(end_ - cursor_);
    if (file_ == nullptr || count - buffered > unread_) return nullptr;
    // The bytes still buffered, fewer than `count`, move to the front.
    if (count > capacity_) {
        auto larger = std::make_unique_for_overwrite<unsigned char[]>(count);
        std::memcpy(larger.get(), cursor_, buffered);
        buffer_ = std::move(larger);
        capacity_ = count;
    } else {
        std::memmove(buffer_.get(), cursor_, buffered);
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(capacity_ - buffered, unread_));
    cursor_ = buffer_.get();
    if (!file_->Read(buffer_.get() + buffered, wanted)) {
        end_ = cursor_;  // nothing more comes from this file
        unread_ = 0;
        return nullptr;
    }
    end_ = cursor_ + buffered + wanted;
    unread_ -= wanted;
    cursor_ += count;
    return buffer_.get();
}

bool DataReader::Read(void* out, std::size_t count) {
    const unsigned char* bytes = Next(count);
    if (bytes == nullptr) return false;
    // An empty block may have no storage (an empty vector's data() is null).
    if (count > 0) std::memcpy(out, bytes, count);
    return true;
}

DataWriter::DataWriter(std::FILE* file) : file_(file), buffer_(kWriteBlock) {}

DataWriter::DataWriter() : file_(nullptr) {}

void DataWriter::Write(const void* data, std::size_t count) {
    if (count == 0) return;  // an empty block may have no storage
    if (file_ == nullptr) {
        // The memory may hold an encrypted file's plain bytes: growing wipes
        // the storage it leaves rather than handing it back as it is.
        if (buffer_.capacity() - buffer_.size() < count) {
            std::vector<unsigned char> larger;
            larger.reserve(std::max(2 * buffer_.capacity(), buffer_.size() + count));
            larger.assign(buffer_.begin(), buffer_.end());
            WipeBytes(buffer_.data(), buffer_.size());
            buffer_.swap(larger);
        }
        const auto* bytes = static_cast<const unsigned char*>(data);
        buffer_.insert(buffer_.end(), bytes, bytes + count);
        return;
    }
    if (buffer_.size() - used_ < count && !Flush()) return;
    // A block larger than the buffer goes to the file directly.
    if (count > buffer_.size()) {
        if (std::fwrite(data, 1, count, file_) != count) failed_ = true;
        return;
    }
    std::memcpy(buffer_.data() + used_, data, count);
    used_ += count;
}

bool DataWriter::Flush() {
    if (file_ == nullptr) return !failed_;
    if (!failed_ && used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) failed_ = true;
    used_ = 0;
    return !failed_;
}
