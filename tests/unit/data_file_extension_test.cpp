#include "model/data_file_extension.h"
#include "test_files.h"

namespace {

Document WithBankIds() {
    Document document = MakeSampleDocument();
    document.accounts[0].bankIds = {{0, "FIT-1"}, {1, std::string(255, 'x')}};
    document.accounts[2].bankIds = {{0, "cash"}};
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
    for (Account& account : withoutIds.accounts) account.bankIds.clear();
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

TEST(DataFileExtension, UnknownChunksAreSkippedAndBadIdListsRefused) {
    const Document plain = MakeSampleDocument();
    const ByteVector records = Saved(plain);
    // A block built by hand: an unknown chunk, then the ids of WithBankIds() or a bad list.
    const auto block = [&](Bytes ids) {
        Bytes chunks;
        chunks.Text("ZZZZ", 4).Int32(3).Text("abc", 3).Text("BKID", 4).Int32(static_cast<std::int32_t>(ids.data.size()));
        chunks.data.insert(chunks.data.end(), ids.data.begin(), ids.data.end());
        Bytes checked;
        checked.Int32(1).Int32(static_cast<std::int32_t>(chunks.data.size()));
        checked.data.insert(checked.data.end(), chunks.data.begin(), chunks.data.end());
        ByteVector file = records;
        Bytes magic;
        magic.Text("PWFXTEND", 8);
        file.insert(file.end(), magic.data.begin(), magic.data.end());
        file.insert(file.end(), checked.data.begin(), checked.data.end());
        return Bytes{file}.Int32(static_cast<std::int32_t>(Crc32(checked.data))).data;
    };
    const auto id = [](Bytes& b, std::int32_t position, std::string_view text) -> Bytes& {
        b.Int32(position).data.push_back(static_cast<unsigned char>(text.size()));
        return b.Text(text, text.size());
    };
    Bytes good;
    good.Int32(3).Int32(2);
    id(id(good, 0, "FIT-1"), 1, std::string(255, 'x')).Int32(0).Int32(1);
    id(good, 0, "cash");
    EXPECT_EQ(Load(block(good), plain), "accepted");

    const std::pair<const char*, Bytes> bad[] = {
        {"another account count", Bytes().Int32(2).Int32(0).Int32(0)},
        {"positions out of order", [&] { Bytes b; b.Int32(3).Int32(2); id(id(b, 1, "a"), 0, "b"); return b.Int32(0).Int32(0); }()},
        {"position past the account", [&] { Bytes b; b.Int32(3).Int32(1); id(b, 2, "a"); return b.Int32(0).Int32(0); }()},
        {"an empty id", [&] { Bytes b; b.Int32(3).Int32(1); id(b, 0, ""); return b.Int32(0).Int32(0); }()},
        {"more ids than transactions", Bytes().Int32(3).Int32(3).Int32(0).Int32(0)},
    };
    for (const auto& [what, ids] : bad) EXPECT_EQ(Load(block(ids), plain), "accepted without the block") << what;
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
