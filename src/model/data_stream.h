#pragma once
// Little-endian byte streams for the data file. The reader always knows how
// many bytes are left, so a loader can check a count against them before it
// allocates anything; the writer buffers large blocks.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/platform_file.h"
#include "model/text_field.h"

static_assert(std::endian::native == std::endian::little, "the data file is little-endian and read by copying");

class DataReader {
public:
    // Reads from memory the caller keeps alive.
    DataReader(const unsigned char* data, std::size_t size) : cursor_(data), end_(data + size) {}
    // Reads a whole file view, handing back the bytes read as it goes, so a
    // large file is never held twice.
    explicit DataReader(FileView& view);
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;

    // False, with nothing consumed, when fewer than `count` bytes are left.
    bool Read(void* out, std::size_t count);
    // The next `count` bytes in place; nullptr when fewer are left.
    const unsigned char* Next(std::size_t count) {
        if (static_cast<std::size_t>(end_ - cursor_) < count) return nullptr;
        const unsigned char* bytes = cursor_;
        cursor_ += count;
        if (cursor_ >= releaseAt_ && view_ != nullptr) ReleaseRead();
        return bytes;
    }
    bool ReadInt32(std::int32_t& value) { return Read(&value, sizeof value); }
    bool ReadDouble(double& value) { return Read(&value, sizeof value); }

    // A text field whose last byte is not zero is taken with it set to zero.
    template <std::size_t N>
    bool ReadText(TextField<N>& field) {
        if (!Read(field.bytes, N)) return false;
        field.bytes[N - 1] = '\0';
        return true;
    }

    std::uint64_t Remaining() const { return static_cast<std::uint64_t>(end_ - cursor_); }

    // True when `count` records of at least `recordSize` bytes each can still be in the stream.
    bool CanHold(std::int32_t count, std::uint64_t recordSize) const {
        return count >= 0 && static_cast<std::uint64_t>(count) * recordSize <= Remaining();
    }

private:
    void ReleaseRead();

    const unsigned char* cursor_;
    const unsigned char* end_;
    FileView* view_ = nullptr;
    const unsigned char* releaseAt_ = nullptr;  // where the next release is due
};

class DataWriter {
public:
    explicit DataWriter(std::FILE* file);
    DataWriter(const DataWriter&) = delete;
    DataWriter& operator=(const DataWriter&) = delete;

    void Write(const void* data, std::size_t count);
    void WriteInt32(std::int32_t value) { Write(&value, sizeof value); }
    void WriteDouble(double value) { Write(&value, sizeof value); }
    template <std::size_t N>
    void WriteText(const TextField<N>& field) { Write(field.bytes, N); }

    // Hands the buffered bytes to the file; false once any write has failed.
    bool Flush();

private:
    std::FILE* file_;
    std::vector<unsigned char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};
