#include "model/data_file_extension.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "model/data_stream.h"
#include "model/document.h"

namespace {

constexpr std::int32_t kExtensionVersion = 1;
constexpr char kBankIdTag[4] = {'B', 'K', 'I', 'D'};

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// A running CRC-32 over the bytes written or read.
struct Crc {
    std::uint32_t value = 0xFFFFFFFFu;
    void Add(const void* data, std::size_t count) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < count; ++i) value = kCrcTable[(value ^ bytes[i]) & 0xFF] ^ (value >> 8);
    }
    std::uint32_t Final() const { return value ^ 0xFFFFFFFFu; }
};

// Writes through to the file and the check.
struct CheckedWriter {
    DataWriter& out;
    Crc crc;
    void Write(const void* data, std::size_t count) {
        crc.Add(data, count);
        out.Write(data, count);
    }
    void Int32(std::int32_t value) { Write(&value, 4); }
    void Uint32(std::uint32_t value) { Write(&value, 4); }
};

std::uint64_t BankIdChunkSize(const Document& document) {
    std::uint64_t size = 4;
    for (const Account& account : document.accounts) {
        size += 4;
        for (const BankId& id : account.bankIds) size += 4 + 1 + id.id.size();
    }
    return size;
}

// Reads through the stream and the check.
struct CheckedReader {
    DataReader& in;
    Crc crc;
    bool Read(void* out, std::size_t count) {
        if (!in.Read(out, count)) return false;
        crc.Add(out, count);
        return true;
    }
    bool Int32(std::int32_t& value) { return Read(&value, 4); }
    bool Uint32(std::uint32_t& value) { return Read(&value, 4); }
};

// The chunk's data, already read whole and checked by the block's CRC.
bool ReadBankIds(std::span<const unsigned char> data, Document& document) {
    DataReader in(data.data(), data.size());
    std::int32_t accountCount = 0;
    if (!in.ReadInt32(accountCount) || accountCount != document.AccountCount()) return false;
    for (Account& account : document.accounts) {
        std::int32_t count = 0;
        if (!in.ReadInt32(count) || !in.CanHold(count, 4 + 1 + 1) || count > account.TransactionCount()) return false;
        account.bankIds.reserve(static_cast<std::size_t>(count));
        std::int32_t previous = -1;
        for (std::int32_t i = 0; i < count; ++i) {
            std::int32_t position = 0;
            unsigned char length = 0;
            if (!in.ReadInt32(position) || !in.Read(&length, 1)) return false;
            if (position <= previous || position >= account.TransactionCount() || length == 0) return false;
            const unsigned char* bytes = in.Next(length);
            if (bytes == nullptr) return false;
            account.bankIds.push_back({position, std::string(reinterpret_cast<const char*>(bytes), length)});
            previous = position;
        }
    }
    return in.Remaining() == 0;
}

}  // namespace

bool NeedsExtensionBlock(const Document& document) {
    for (const Account& account : document.accounts)
        if (!account.bankIds.empty()) return true;
    return false;
}

void WriteExtensionBlock(DataWriter& out, const Document& document) {
    out.Write(kExtensionMagic, sizeof kExtensionMagic);
    CheckedWriter writer{out, {}};
    const std::uint64_t chunkSize = BankIdChunkSize(document);
    writer.Int32(kExtensionVersion);
    writer.Uint32(static_cast<std::uint32_t>(4 + 4 + chunkSize));
    writer.Write(kBankIdTag, sizeof kBankIdTag);
    writer.Uint32(static_cast<std::uint32_t>(chunkSize));
    writer.Int32(document.AccountCount());
    for (const Account& account : document.accounts) {
        writer.Int32(static_cast<std::int32_t>(account.bankIds.size()));
        for (const BankId& id : account.bankIds) {
            writer.Int32(id.position);
            assert(!id.id.empty() && id.id.size() <= kMaxBankIdLength);
            const auto length = static_cast<unsigned char>(id.id.size());
            writer.Write(&length, 1);
            writer.Write(id.id.data(), id.id.size());
        }
    }
    out.WriteInt32(static_cast<std::int32_t>(writer.crc.Final()));
}

bool ReadExtensionBlock(DataReader& in, Document& document) {
    CheckedReader reader{in, {}};
    std::int32_t version = 0;
    std::uint32_t size = 0;
    bool read = reader.Int32(version) && version == kExtensionVersion && reader.Uint32(size) &&
                in.Remaining() == static_cast<std::uint64_t>(size) + 4;
    std::vector<unsigned char> chunks;
    if (read) {
        chunks.resize(size);
        read = reader.Read(chunks.data(), size);
    }
    std::int32_t check = 0;
    read = read && in.ReadInt32(check) && static_cast<std::uint32_t>(check) == reader.crc.Final();
    // The chunks, each checked against what is left of the block.
    bool bankIdsRead = false;
    for (std::size_t at = 0; read && at < chunks.size();) {
        std::uint32_t length = 0;
        if (chunks.size() - at < 8) {
            read = false;
            break;
        }
        std::memcpy(&length, chunks.data() + at + 4, 4);
        const bool bankIds = std::memcmp(chunks.data() + at, kBankIdTag, 4) == 0;
        at += 8;
        if (chunks.size() - at < length) {
            read = false;
            break;
        }
        if (bankIds) {
            read = !bankIdsRead && ReadBankIds(std::span(chunks.data() + at, length), document);
            bankIdsRead = true;
        }
        at += length;
    }
    if (!read)
        for (Account& account : document.accounts) account.bankIds.clear();
    return read;
}
