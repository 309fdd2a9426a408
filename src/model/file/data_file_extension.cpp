#include "model/file/data_file_extension.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "model/file/crc32.h"
#include "model/file/data_stream.h"
#include "model/document.h"

namespace {

constexpr std::int32_t kExtensionVersion = 1;

// Writes through to the file and the check.
struct CheckedWriter {
    DataWriter& out;
    Crc32 crc;
    void Write(const void* data, std::size_t count) {
        crc.Add(data, count);
        out.Write(data, count);
    }
    void Int32(std::int32_t value) { Write(&value, 4); }
    void Uint32(std::uint32_t value) { Write(&value, 4); }
};

// A chunk's data, made in memory before it is written.
struct ChunkBytes {
    std::vector<unsigned char> bytes;
    void Append(const void* data, std::size_t count) {
        const auto* from = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), from, from + count);
    }
    void Int32(std::int32_t value) { Append(&value, 4); }
    void Int64(std::int64_t value) { Append(&value, 8); }
    void Byte(unsigned char value) { bytes.push_back(value); }
};

ChunkBytes BankIdChunk(const Document& document) {
    ChunkBytes chunk;
    chunk.Int32(document.AccountCount());
    for (const Account& account : document.accounts) {
        chunk.Int32(static_cast<std::int32_t>(account.bankIds.size()));
        for (const BankId& id : account.bankIds) {
            assert(!id.id.empty() && id.id.size() <= kMaxBankIdLength);
            chunk.Int32(id.position);
            chunk.Byte(static_cast<unsigned char>(id.id.size()));
            chunk.Append(id.id.data(), id.id.size());
        }
    }
    return chunk;
}

bool HasMarks(const Account& account) {
    return std::any_of(account.transactions.begin(), account.transactions.end(),
                       [](const Transaction& t) { return t.mark != MarkUncleared; });
}

ChunkBytes MarkChunk(const Document& document) {
    ChunkBytes chunk;
    chunk.Int32(document.AccountCount());
    for (const Account& account : document.accounts) {
        if (!HasMarks(account)) {
            chunk.Int32(0);
            continue;
        }
        chunk.Int32(account.TransactionCount());
        for (const Transaction& t : account.transactions) chunk.Byte(t.mark);
    }
    return chunk;
}

ChunkBytes ClosingChunk(const Document& document) {
    ChunkBytes chunk;
    chunk.Int32(document.AccountCount());
    for (const Account& account : document.accounts) {
        chunk.Byte(account.lastStatement ? 1 : 0);
        if (!account.lastStatement) continue;
        chunk.Int64(account.lastStatement->cents);
        for (std::int32_t field : {account.lastStatement->date.year, account.lastStatement->date.month,
                                   account.lastStatement->date.day})
            chunk.Int32(field);
    }
    return chunk;
}

// Reads through the stream and the check.
struct CheckedReader {
    DataReader& in;
    Crc32 crc;
    bool Read(void* out, std::size_t count) {
        if (!in.Read(out, count)) return false;
        crc.Add(out, count);
        return true;
    }
    bool Int32(std::int32_t& value) { return Read(&value, 4); }
    bool Uint32(std::uint32_t& value) { return Read(&value, 4); }
};

// The chunks' readers get the chunk's data, already read whole and checked
// by the block's CRC; each starts with the document's account count.
bool ReadAccountCount(DataReader& in, const Document& document) {
    std::int32_t accountCount = 0;
    return in.ReadInt32(accountCount) && accountCount == document.AccountCount();
}

bool ReadBankIds(DataReader& in, Document& document) {
    if (!ReadAccountCount(in, document)) return false;
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

bool ReadMarks(DataReader& in, Document& document) {
    if (!ReadAccountCount(in, document)) return false;
    for (Account& account : document.accounts) {
        std::int32_t count = 0;
        if (!in.ReadInt32(count) || (count != 0 && count != account.TransactionCount())) return false;
        const unsigned char* marks = count == 0 ? nullptr : in.Next(static_cast<std::size_t>(count));
        if (count != 0 && marks == nullptr) return false;
        for (std::int32_t i = 0; i < count; ++i) {
            if (marks[i] > MarkReconciled) return false;
            account.transactions[static_cast<std::size_t>(i)].mark = marks[i];
        }
    }
    return in.Remaining() == 0;
}

bool ReadClosings(DataReader& in, Document& document) {
    if (!ReadAccountCount(in, document)) return false;
    for (Account& account : document.accounts) {
        unsigned char has = 0;
        if (!in.Read(&has, 1) || has > 1) return false;
        if (has == 0) continue;
        StatementClosing closing;
        if (!in.Read(&closing.cents, 8) || !in.ReadInt32(closing.date.year) || !in.ReadInt32(closing.date.month) ||
            !in.ReadInt32(closing.date.day))
            return false;
        account.lastStatement = closing;
    }
    return in.Remaining() == 0;
}

struct ChunkReader {
    char tag[4];
    bool (*read)(DataReader& in, Document& document);
};
constexpr ChunkReader kChunkReaders[] = {{{'B', 'K', 'I', 'D'}, ReadBankIds},
                                         {{'M', 'A', 'R', 'K'}, ReadMarks},
                                         {{'L', 'B', 'A', 'L'}, ReadClosings}};

// What the block holds, gone from the document.
void ClearExtension(Document& document) {
    for (Account& account : document.accounts) {
        account.bankIds.clear();
        account.lastStatement.reset();
        for (Transaction& t : account.transactions) t.mark = MarkUncleared;
    }
}

}  // namespace

bool NeedsExtensionBlock(const Document& document) {
    return std::any_of(document.accounts.begin(), document.accounts.end(), [](const Account& account) {
        return !account.bankIds.empty() || account.lastStatement || HasMarks(account);
    });
}

void WriteExtensionBlock(DataWriter& out, const Document& document) {
    // Only the chunks that hold something.
    std::vector<std::pair<const char*, ChunkBytes>> chunks;
    const auto any = [&](auto has) { return std::any_of(document.accounts.begin(), document.accounts.end(), has); };
    if (any([](const Account& a) { return !a.bankIds.empty(); })) chunks.emplace_back("BKID", BankIdChunk(document));
    if (any(HasMarks)) chunks.emplace_back("MARK", MarkChunk(document));
    if (any([](const Account& a) { return a.lastStatement.has_value(); }))
        chunks.emplace_back("LBAL", ClosingChunk(document));
    std::uint64_t size = 0;
    for (const auto& [tag, chunk] : chunks) size += 8 + chunk.bytes.size();

    out.Write(kExtensionMagic, sizeof kExtensionMagic);
    CheckedWriter writer{out, {}};
    writer.Int32(kExtensionVersion);
    writer.Uint32(static_cast<std::uint32_t>(size));
    for (const auto& [tag, chunk] : chunks) {
        writer.Write(tag, 4);
        writer.Uint32(static_cast<std::uint32_t>(chunk.bytes.size()));
        writer.Write(chunk.bytes.data(), chunk.bytes.size());
    }
    out.WriteInt32(static_cast<std::int32_t>(writer.crc.Final()));
}

namespace {

// ReadExtensionBlock; throws std::bad_alloc.
bool ReadChunks(DataReader& in, Document& document) {
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
    // The chunks, each checked against what is left of the block; a known one once at most.
    bool seen[std::size(kChunkReaders)] = {};
    for (std::size_t at = 0; read && at < chunks.size();) {
        std::uint32_t length = 0;
        read = chunks.size() - at >= 8;
        if (!read) break;
        std::memcpy(&length, chunks.data() + at + 4, 4);
        const unsigned char* tag = chunks.data() + at;
        at += 8;
        read = chunks.size() - at >= length;
        for (std::size_t k = 0; read && k < std::size(kChunkReaders); ++k) {
            if (std::memcmp(tag, kChunkReaders[k].tag, 4) != 0) continue;
            DataReader chunk(chunks.data() + at, length);
            read = !seen[k] && kChunkReaders[k].read(chunk, document);
            seen[k] = true;
        }
        at += length;
    }
    return read;
}

}  // namespace

bool ReadExtensionBlock(DataReader& in, Document& document) {
    bool read = false;
    try {
        read = ReadChunks(in, document);
    } catch (const std::bad_alloc&) {
        read = false;  // no memory for the chunks: the file opens without them
    }
    if (!read) ClearExtension(document);
    return read;
}
