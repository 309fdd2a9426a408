#include "model/data_stream.h"

#include <cstring>

namespace {
// Large blocks keep the number of writes and releases small.
constexpr std::size_t kWriteBlock = 4 << 20;
constexpr std::size_t kReleaseBlock = 8 << 20;
}  // namespace

DataReader::DataReader(FileView& view)
    : cursor_(view.Data()), end_(view.Data() + view.Size()), view_(&view), releaseAt_(cursor_ + kReleaseBlock) {}

void DataReader::ReleaseRead() {
    view_->Release(cursor_);
    releaseAt_ = cursor_ + kReleaseBlock;
}

bool DataReader::Read(void* out, std::size_t count) {
    const unsigned char* bytes = Next(count);
    if (bytes == nullptr) return false;
    std::memcpy(out, bytes, count);
    return true;
}

DataWriter::DataWriter(std::FILE* file) : file_(file), buffer_(kWriteBlock) {}

void DataWriter::Write(const void* data, std::size_t count) {
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
    if (!failed_ && used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) failed_ = true;
    used_ = 0;
    return !failed_;
}
