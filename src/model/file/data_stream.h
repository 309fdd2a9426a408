#pragma once
// Little-endian byte streams for the data file. The reader always knows how
// many bytes are left, so a loader can check a count against them before it
// allocates anything; both buffer large blocks.

#include <bit>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/platform_file.h"
#include "model/text_field.h"

static_assert(std::endian::native == std::endian::little, "the data file is little-endian and read by copying");

class DataReader {
public:
    // Reads from memory the caller keeps alive.
    DataReader(const unsigned char* data, std::size_t size) : cursor_(data), end_(data + size) {}
    // Reads an open file through a buffer of a few MiB (less for a smaller
    // file), refilled as the bytes are taken. A read error, or a file that
    // ends before the size it had when opened, ends the stream: that read and
    // every later one fail. Throws std::bad_alloc.
    explicit DataReader(InputFile& file);
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;

    // False, with nothing consumed, when fewer than `count` bytes are left.
    bool Read(void* out, std::size_t count);
    // The next `count` bytes in place, valid until the next read; nullptr
    // when fewer are left. Throws std::bad_alloc only for a `count` larger
    // than the buffer.
    const unsigned char* Next(std::size_t count) {
        if (static_cast<std::size_t>(end_ - cursor_) < count) return Refill(count);
        const unsigned char* bytes = cursor_;
        cursor_ += count;
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

    // Counted in the file's size, not in what is buffered.
    std::uint64_t Remaining() const { return static_cast<std::uint64_t>(end_ - cursor_) + unread_; }

    // True when `count` records of at least `recordSize` bytes each can still be in the stream.
    bool CanHold(std::int32_t count, std::uint64_t recordSize) const {
        return count >= 0 && static_cast<std::uint64_t>(count) * recordSize <= Remaining();
    }

private:
    // Next when the buffer holds fewer than `count` bytes.
    const unsigned char* Refill(std::size_t count);

    const unsigned char* cursor_ = nullptr;
    const unsigned char* end_ = nullptr;  // of the bytes in memory
    InputFile* file_ = nullptr;
    std::uint64_t unread_ = 0;  // bytes of the file not yet in the buffer
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t capacity_ = 0;
};

class DataWriter {
public:
    explicit DataWriter(std::FILE* file);
    // Into memory: the bytes collect in Memory().
    DataWriter();
    DataWriter(const DataWriter&) = delete;
    DataWriter& operator=(const DataWriter&) = delete;

    void Write(const void* data, std::size_t count);
    void WriteInt32(std::int32_t value) { Write(&value, sizeof value); }
    void WriteDouble(double value) { Write(&value, sizeof value); }
    template <std::size_t N>
    void WriteText(const TextField<N>& field) { Write(field.bytes, N); }

    // Hands the buffered bytes to the file; false once any write has failed.
    bool Flush();
    // Makes every later Flush false: a step of the writing failed.
    void Fail() { failed_ = true; }
    // The bytes written into memory.
    std::vector<unsigned char>& Memory() { return buffer_; }

private:
    std::FILE* file_;
    std::vector<unsigned char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};
