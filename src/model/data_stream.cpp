#include "model/data_stream.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kChunkSize = 1 << 20;
}

DataReader::DataReader(std::FILE* file, std::uint64_t size) : file_(file), unreadInFile_(size) {
    buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, kChunkSize)));
    cursor_ = end_ = buffer_.data();
}

DataReader::DataReader(const unsigned char* data, std::size_t size) : cursor_(data), end_(data + size) {}

bool DataReader::Refill() {
    if (file_ == nullptr || failed_ || unreadInFile_ == 0) return false;
    const std::size_t kept = static_cast<std::size_t>(end_ - cursor_);
    std::memmove(buffer_.data(), cursor_, kept);
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - kept, unreadInFile_));
    const std::size_t got = std::fread(buffer_.data() + kept, 1, wanted, file_);
    if (got != wanted) failed_ = true;  // the file shrank or could not be read: treat the rest as missing
    unreadInFile_ = failed_ ? 0 : unreadInFile_ - got;
    cursor_ = buffer_.data();
    end_ = cursor_ + kept + got;
    return got > 0;
}

bool DataReader::Read(void* out, std::size_t count) {
    while (static_cast<std::size_t>(end_ - cursor_) < count) {
        if (count > buffer_.size() && file_ != nullptr) return false;  // never needed: records are small
        if (!Refill()) return false;
    }
    std::memcpy(out, cursor_, count);
    cursor_ += count;
    return true;
}

DataWriter::DataWriter(std::FILE* file) : file_(file), buffer_(4 * kChunkSize) {}

void DataWriter::Write(const void* data, std::size_t count) {
    if (buffer_.size() - used_ < count && !Flush()) return;
    std::memcpy(buffer_.data() + used_, data, count);
    used_ += count;
}

bool DataWriter::Flush() {
    if (!failed_ && used_ > 0 && std::fwrite(buffer_.data(), 1, used_, file_) != used_) failed_ = true;
    used_ = 0;
    return !failed_;
}
