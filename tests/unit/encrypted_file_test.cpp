#include <algorithm>

#include "model/file/data_stream.h"
#include "model/file/data_file_summary.h"
#include "model/file/encrypted_file.h"
#include "model/file/exchange_rules.h"
#include "test_files.h"

namespace {

// Few rounds: the tests are about the file, not the derivation's cost.
constexpr std::uint32_t kTestIterations = 1000;

Document Encrypted(Document document, const char* password) {
    document.password = password;
    document.protection = *ProtectionFor(password, kTestIterations);
    return document;
}

// A document with a bank id and marks, so that the extension block goes in too.
Document Sample() {
    Document document = MakeSampleDocument();
    Account& checking = document.GetAccount(0);
    checking.bankIds.push_back({1, "FITID-0001"});
    checking.transactions[0].mark = MarkReconciled;
    return document;
}

bool Contains(const ByteVector& bytes, std::string_view text) {
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

// The document an encrypted file holds for `password`; none when it does not open.
std::optional<Document> Opened(ByteVector bytes, std::string_view password) {
    const std::optional<EnvelopeHeader> header = ReadEnvelopeHeader(bytes);
    if (!header) return std::nullopt;
    const std::optional<FileProtection> protection = UnlockEnvelope(*header, password);
    Document document;
    if (!protection || !OpenEnvelope(bytes, *protection, password, document, nullptr)) return std::nullopt;
    return document;
}

}  // namespace

TEST(EncryptedFile, EveryFieldComesBackWithTheRightPasswordAndNothingReadsWithoutIt) {
    const ScratchDir scratch;
    const std::string path = scratch.File("secret.pwf");
    const Document document = Encrypted(Sample(), "s3cret pass");
    ASSERT_TRUE(document.Save(path));
    const ByteVector bytes = ReadBytes(path);
    EXPECT_TRUE(IsEncryptedFile(bytes));
    for (const char* text : {"s3cret pass", "Employer", "Market", "Checking", "Landlord", "FITID-0001"})
        EXPECT_FALSE(Contains(bytes, text)) << text;

    // A reader of plain files refuses it, and says why.
    Document plainReader;
    LoadNotes notes;
    EXPECT_FALSE(plainReader.Load(path, &notes));
    EXPECT_TRUE(notes.encrypted);

    EXPECT_EQ(Opened(bytes, "s3cret pass"), document);
    EXPECT_FALSE(Opened(bytes, "S3cret pass"));
    EXPECT_FALSE(Opened(bytes, ""));
    // Each save seals afresh: the bytes differ, the document does not.
    ASSERT_TRUE(document.Save(path));
    EXPECT_NE(ReadBytes(path), bytes);
    EXPECT_EQ(Opened(ReadBytes(path), "s3cret pass"), document);
}

TEST(EncryptedFile, APlainDocumentStaysAPlainFile) {
    const ScratchDir scratch;
    const std::string path = scratch.File("plain.pwf");
    const Document document = MakeSampleDocument();
    ASSERT_TRUE(document.Save(path));
    const ByteVector bytes = ReadBytes(path);
    EXPECT_FALSE(IsEncryptedFile(bytes));
    EXPECT_EQ(bytes[10], 1);  // the version
    Document loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded, document);
}

TEST(EncryptedFile, EveryChangedByteIsRefused) {
    Document small;
    small.AddCategory("None");
    small.AddAccount({.type = AccountTypeCash, .name = "Wallet", .transactions = {{5.0, 1, 1, 2, 2026, 0, 0, "Kiosk", ""}}});
    small = Encrypted(std::move(small), "pw");
    DataWriter out;
    ASSERT_TRUE(WriteEnvelope(out, small));
    const ByteVector bytes = out.Memory();
    ASSERT_TRUE(Opened(bytes, "pw"));
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        ByteVector changed = bytes;
        changed[at] ^= 0x5A;
        // Even the right key refuses it: the header is authenticated with the records.
        Document document;
        const bool opens = ReadEnvelopeHeader(changed) &&
                           OpenEnvelope(changed, small.protection, "pw", document, nullptr);
        EXPECT_FALSE(opens) << at;
        EXPECT_EQ(document, Document()) << at;
    }
    // Cut anywhere.
    for (const std::size_t size : {std::size_t{0}, std::size_t{14}, kEnvelopeHeaderSize, bytes.size() - 1}) {
        ByteVector cut(bytes.begin(), bytes.begin() + size);
        Document document;
        EXPECT_FALSE(ReadEnvelopeHeader(cut) && OpenEnvelope(cut, small.protection, "pw", document, nullptr)) << size;
    }
}

TEST(EncryptedFile, AHeaderOutsideWhatAFileMayHoldIsNotRead) {
    DataWriter out;
    ASSERT_TRUE(WriteEnvelope(out, Encrypted(MakeSampleDocument(), "pw")));
    const ByteVector bytes = out.Memory();
    ASSERT_TRUE(ReadEnvelopeHeader(bytes));
    EXPECT_EQ(ReadEnvelopeHeader(bytes)->iterations, kTestIterations);
    constexpr std::size_t kDerivationAt = 14, kIterationsAt = 18;
    for (const ByteVector& refused : {With(bytes, kDerivationAt, std::uint32_t{2}),
                                      With(bytes, kIterationsAt, std::uint32_t{0}),
                                      With(bytes, kIterationsAt, kMostKeyIterations + 1),
                                      With(bytes, 10, std::int32_t{3})})
        EXPECT_FALSE(ReadEnvelopeHeader(refused));
}

TEST(EncryptedFile, ANewKeyTakesTheRoundsAskedWithAFreshSalt) {
    const std::optional<FileProtection> first = ProtectionFor("pw");
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->encrypted);
    EXPECT_EQ(first->iterations, kNewKeyIterations);
    const std::optional<FileProtection> second = ProtectionFor("pw", kTestIterations);
    EXPECT_NE(first->salt, second->salt);
    EXPECT_NE(first->key, second->key);
}

TEST(EncryptedFile, ARestoreTriesTheOpenFilesPasswordThenAsks) {
    const ScratchDir scratch;
    const std::string backup = scratch.File("backup.pwf");
    Document saved = Encrypted(Sample(), "then");
    saved.GetAccount(0).name = "Then";
    ASSERT_TRUE(saved.Save(backup));

    struct Case {
        const char* openPassword;
        std::optional<std::string> typed;  // what the user gives when asked; none: Cancel
        RestoreResult result;
        int asked;
    };
    const Case cases[] = {
        {"then", std::nullopt, RestoreResult::Restored, 0},  // the same password: never asked
        {"now", std::string("then"), RestoreResult::Restored, 1},
        {"now", std::nullopt, RestoreResult::Cancelled, 1},
    };
    for (const Case& c : cases) {
        Document open = Encrypted(MakeSampleDocument(), c.openPassword);
        const Document before = open;
        int asked = 0;
        LoadNotes notes;
        const RestoreResult result = RestoreBackup(open, backup, notes, [&](const EnvelopeHeader& header) {
            ++asked;
            std::optional<UnlockedFile> unlocked;
            if (c.typed)
                if (std::optional<FileProtection> protection = UnlockEnvelope(header, *c.typed))
                    unlocked = UnlockedFile{*protection, Text31(*c.typed)};
            return unlocked;
        });
        EXPECT_EQ(result, c.result) << c.openPassword;
        EXPECT_EQ(asked, c.asked) << c.openPassword;
        if (result != RestoreResult::Restored) {
            EXPECT_EQ(open, before);
            continue;
        }
        // The data of then, with the password and key of now.
        EXPECT_EQ(open.GetAccount(0).name.view(), "Then");
        EXPECT_EQ(open.password, before.password);
        EXPECT_EQ(open.protection, before.protection);
    }
    // A copy of an encrypted file shows as one in the list of dated copies.
    const std::optional<DataFileSummary> summary = ReadDataFileSummary(backup);
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->encrypted);
    EXPECT_EQ(summary->bytes, ReadBytes(backup).size());
}
