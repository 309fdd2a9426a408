#include "model/file/data_file_extension.h"
#include "test_files.h"

namespace {

// Bank ids, marks and a last statement balance: something in every chunk.
Document WithBankIds() {
    Document document = MakeSampleDocument();
    document.accounts[0].bankIds = {{0, "FIT-1"}, {1, std::string(255, 'x')}};
    document.accounts[2].bankIds = {{0, "cash"}};
    document.accounts[0].transactions[0].mark = MarkReconciled;
    document.accounts[1].transactions[0].mark = MarkCleared;
    document.accounts[1].lastStatement = StatementClosing{-123456, {2026, 1, 31}};
    return document;
}

ByteVector Saved(const Document& document) {
    ScratchDir dir;
    EXPECT_TRUE(document.Save(dir.File("f.pwf")));
    return ReadBytes(dir.File("f.pwf"));
}

// "refused", "accepted" or "accepted without the block", with the records checked against `records`.
std::string Load(const ByteVector& bytes, const Document& records) {
    ScratchDir dir;
    WriteBytes(dir.File("f.pwf"), bytes);
    Document document;
    LoadNotes notes;
    if (!document.Load(dir.File("f.pwf"), &notes)) return "refused";
    Document withoutIds = document;
    for (Account& account : withoutIds.accounts) {
        account.bankIds.clear();
        account.lastStatement.reset();
        for (Transaction& t : account.transactions) t.mark = MarkUncleared;
    }
    if (!(withoutIds == records)) return "records changed";
    if (!notes.extensionUnreadable) return document == WithBankIds() ? "accepted" : "accepted, ids differ";
    return NeedsExtensionBlock(document) ? "ids kept from a damaged block" : "accepted without the block";
}

std::uint32_t Crc32(const ByteVector& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

}  // namespace

TEST(DataFileExtension, WrittenOnlyWhenNeededAfterTheTrailerAndReadBack) {
    const Document plain = MakeSampleDocument();
    const ByteVector plainBytes = Saved(plain), bytes = Saved(WithBankIds());
    ASSERT_GT(bytes.size(), plainBytes.size());
    EXPECT_TRUE(std::equal(plainBytes.begin(), plainBytes.end(), bytes.begin())) << "the records stay as they are";
    EXPECT_EQ(std::string(bytes.begin() + plainBytes.size(), bytes.begin() + plainBytes.size() + 8), "PWFXTEND");
    EXPECT_EQ(Load(bytes, plain), "accepted");
}

TEST(DataFileExtension, DamagedBlockLeavesTheIdsOutAndBytesWithoutTheMagicAreRefused) {
    const Document plain = MakeSampleDocument();
    const ByteVector plainBytes = Saved(plain), good = Saved(WithBankIds());
    for (std::size_t at = plainBytes.size(); at < good.size(); ++at) {
        ByteVector flipped = good;
        flipped[at] ^= 0x10;
        const bool inMagic = at < plainBytes.size() + 8;
        EXPECT_EQ(Load(flipped, plain), inMagic ? "refused" : "accepted without the block") << "flip at " << at;
        const ByteVector cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(at));
        if (at > plainBytes.size()) {
            EXPECT_EQ(Load(cut, plain), inMagic ? "refused" : "accepted without the block") << "cut at " << at;
        }
    }
    ByteVector extra = good;
    extra.push_back(0);
    EXPECT_EQ(Load(extra, plain), "accepted without the block");
}

TEST(DataFileExtension, UnknownChunksAreSkippedAndBadChunksRefused) {
    const Document plain = MakeSampleDocument();
    const ByteVector records = Saved(plain);
    // A block built by hand: an unknown chunk, then the chunks given.
    const auto block = [&](std::vector<std::pair<const char*, Bytes>> known) {
        Bytes chunks;
        chunks.Text("ZZZZ", 4).Int32(3).Text("abc", 3);
        for (const auto& [tag, data] : known) {
            chunks.Text(tag, 4).Int32(static_cast<std::int32_t>(data.data.size()));
            chunks.data.insert(chunks.data.end(), data.data.begin(), data.data.end());
        }
        Bytes checked;
        checked.Int32(1).Int32(static_cast<std::int32_t>(chunks.data.size()));
        checked.data.insert(checked.data.end(), chunks.data.begin(), chunks.data.end());
        Bytes file{records};
        file.Text("PWFXTEND", 8);
        file.data.insert(file.data.end(), checked.data.begin(), checked.data.end());
        return file.Int32(static_cast<std::int32_t>(Crc32(checked.data))).data;
    };
    const auto id = [](Bytes& b, std::int32_t position, std::string_view text) -> Bytes& {
        b.Int32(position).data.push_back(static_cast<unsigned char>(text.size()));
        return b.Text(text, text.size());
    };
    Bytes ids;
    ids.Int32(3).Int32(2);
    id(id(ids, 0, "FIT-1"), 1, std::string(255, 'x')).Int32(0).Int32(1);
    id(ids, 0, "cash");
    const auto marks = [](std::uint8_t first) { return Bytes().Int32(3).Int32(2).Little(2, 1).Little(0, 1).Int32(1).Little(first, 1).Int32(0); };
    Bytes closing = Bytes().Int32(3).Little(0, 1).Little(1, 1).Little(static_cast<std::uint64_t>(-123456), 8);
    closing.Int32(2026).Int32(1).Int32(31).Little(0, 1);
    EXPECT_EQ(Load(block({{"BKID", ids}, {"MARK", marks(1)}, {"LBAL", closing}}), plain), "accepted");

    const std::pair<const char*, std::vector<std::pair<const char*, Bytes>>> bad[] = {
        {"another account count", {{"BKID", Bytes().Int32(2).Int32(0).Int32(0)}}},
        {"positions out of order", {{"BKID", [&] { Bytes b; b.Int32(3).Int32(2); id(id(b, 1, "a"), 0, "b"); return b.Int32(0).Int32(0); }()}}},
        {"position past the account", {{"BKID", [&] { Bytes b; b.Int32(3).Int32(1); id(b, 2, "a"); return b.Int32(0).Int32(0); }()}}},
        {"an empty id", {{"BKID", [&] { Bytes b; b.Int32(3).Int32(1); id(b, 0, ""); return b.Int32(0).Int32(0); }()}}},
        {"more ids than transactions", {{"BKID", Bytes().Int32(3).Int32(3).Int32(0).Int32(0)}}},
        {"a chunk twice", {{"BKID", ids}, {"BKID", ids}}},
        {"a mark out of range", {{"MARK", marks(3)}}},
        {"marks for part of an account", {{"MARK", Bytes().Int32(3).Int32(1).Little(1, 1).Int32(0).Int32(0)}}},
        {"a balance flag of 2", {{"LBAL", Bytes().Int32(3).Little(2, 1).Little(0, 1).Little(0, 1)}}},
    };
    for (const auto& [what, chunks] : bad) EXPECT_EQ(Load(block(chunks), plain), "accepted without the block") << what;
}

TEST(DataFileExtension, RemovingATransactionMovesTheLaterIds) {
    Account account = WithBankIds().accounts[0];
    account.AddTransaction({});
    account.bankIds.push_back({2, "third"});
    account.RemoveTransaction(0);
    EXPECT_EQ(account.bankIds, (std::vector<BankId>{{0, std::string(255, 'x')}, {1, "third"}}));
    EXPECT_EQ(*account.BankIdOf(1), "third");
    EXPECT_EQ(account.BankIdOf(2), nullptr);
}
