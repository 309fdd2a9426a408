// Save and Load together: every field comes back, a save replaces the whole
// file, and a failed save leaves the old file as it was with no temporary
// behind; the writer under Save with a block larger than its buffer; and the
// backup path, which leaves room for the save's temporary name.

#include <cstdio>
#include <optional>

#include "model/data_stream.h"
#include "model/exchange_rules.h"
#include "test_files.h"

namespace {

using std::filesystem::perms;

bool NoTemporaryLeft(const ScratchDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path))
        if (entry.path().string().ends_with(".saving")) return false;
    return true;
}

}  // namespace

TEST(DataFileSave, EveryFieldRoundTripsAcrossBufferBoundaries) {
    // Full-width texts in every record kind, and an account of about 9.4 MB:
    // more than two of the writer's and of the reader's 4 MiB buffers.
    Document document = MakeSampleDocument();
    document.password.Set(std::string(30, 'p'));
    document.AddCategory(Text31(std::string(30, 'c')));
    document.AddBillDeposit({DepositKind, 1234.56, 10, 9, 2031, 4, -3, Text31(std::string(30, 'y')),
                             Text31(std::string(30, 'z')), OccurrenceDaily, 3});
    Account big{.type = AccountTypeCredit, .creditLimit = -4321.75};
    big.name.Set(std::string(30, 'n'));
    big.comment.Set(std::string(30, 'o'));
    big.accountNumber.Set(std::string(30, 'a'));
    big.contactInfo.Set(std::string(100, 'i'));
    for (std::int32_t i = 0; i < 100000; ++i)
        big.AddTransaction({i * 0.25, i % 3, i % 12 + 1, i % 28 + 1, 2000 + i % 30, i % 5 - 1, i,
                            Text31("Payee " + std::to_string(i)), Text31(std::to_string(i * 7))});
    document.AddAccount(std::move(big));

    ScratchDir dir;
    const std::string path = dir.File("big.pwf");
    ASSERT_TRUE(document.Save(path));
    EXPECT_GT(std::filesystem::file_size(path), 8u << 20);
    EXPECT_TRUE(NoTemporaryLeft(dir));
    Document loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_TRUE(loaded == document);  // not EXPECT_EQ: it would print the whole document
}

TEST(DataFileSave, SaveReplacesTheWholeFileAndKeepsItsPermissions) {
    ScratchDir dir;
    const std::string path = dir.File("replace.pwf");
    ASSERT_TRUE(MakeSampleDocument().Save(path));
    std::filesystem::permissions(path, perms::owner_read | perms::owner_write);

    const Document small{.categories = {"None"}};
    ASSERT_TRUE(small.Save(path));
    EXPECT_EQ(std::filesystem::file_size(path), 26u + 31u + 31u);
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::owner_write);
    EXPECT_TRUE(NoTemporaryLeft(dir));
}

TEST(DataFileSave, FailedSaveLeavesTheOldFileAndNoTemporary) {
    ScratchDir dir;
    const Document document = MakeSampleDocument();
    const Document old{.categories = {"Old"}};

    std::filesystem::create_directory(dir.File("folder.pwf"));
    for (const std::string& path : {dir.File("missing/folder/file.pwf"), std::string(), dir.File("folder.pwf")})
        EXPECT_FALSE(document.Save(path)) << path;

    // A read-only file stays as it is, for root too.
    const std::string readOnly = dir.File("readonly.pwf");
    ASSERT_TRUE(old.Save(readOnly));
    const ByteVector before = ReadBytes(readOnly);
    std::filesystem::permissions(readOnly, perms::owner_read);
    EXPECT_FALSE(document.Save(readOnly));
    EXPECT_EQ(ReadBytes(readOnly), before);

    // Disk full: the temporary lands on /dev/full, so writing fails after it was opened.
    if (std::filesystem::exists("/dev/full")) {
        const std::string full = dir.File("full.pwf");
        ASSERT_TRUE(old.Save(full));
        std::filesystem::create_symlink("/dev/full", full + ".saving");
        EXPECT_FALSE(document.Save(full));
        EXPECT_EQ(ReadBytes(full), before);
    }
    EXPECT_TRUE(NoTemporaryLeft(dir));
}

TEST(DataWriter, ABlockLargerThanItsBufferReachesTheFileWholeAndInOrder) {
    // The writer buffers 4 MiB; a block three times that size must not run
    // past the buffer, and must come after what was buffered before it.
    ByteVector bytes(4 + (12u << 20) + 4);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i % 251);
    ScratchDir dir;
    const std::string path = dir.File("block.bin");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    DataWriter writer(file);
    writer.Write(bytes.data(), 4);
    writer.Write(bytes.data() + 4, bytes.size() - 8);
    writer.Write(bytes.data() + bytes.size() - 4, 4);
    EXPECT_TRUE(writer.Flush());
    ASSERT_EQ(std::fclose(file), 0);
    EXPECT_TRUE(ReadBytes(path) == bytes);  // not EXPECT_EQ: it would print 12 MiB
}

TEST(BackupPath, ALocationPassesOnlyWhenTheSavesTemporaryNameFitsAPath) {
    ASSERT_EQ(kMaxBackupLocationLength, 242u);  // 259 characters less "backup.pwf" and ".saving"
    const std::string longest = "C:\\" + std::string(kMaxBackupLocationLength - 4, 'd') + "\\";
    const std::string oneMore = "C:\\" + std::string(kMaxBackupLocationLength - 3, 'd');
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"C:\\Data", "C:\\Data\\backup.pwf"}, {"C:\\", "C:\\backup.pwf"}, {"", std::nullopt},
        {" C:\\Data", std::nullopt},          {longest, longest + "backup.pwf"},
        {oneMore.substr(1), oneMore.substr(1) + "\\backup.pwf"},
        {oneMore, std::nullopt},  // the backslash it needs makes the temporary name 260 characters
        {longest + "d\\", std::nullopt},
    };
    for (const auto& [location, path] : cases)
        EXPECT_EQ(BackupPath(location), path) << location.size() << ' ' << location.substr(0, 10);
}

TEST(TypedPaths, AMissingImportFileEmptiesItsBoxARefusedLocationStaysSelected) {
    EXPECT_EQ(ImportPath(std::string(300, 'f')).path, std::string(259, 'f'));
    EXPECT_EQ(BackupLocation("C:\\Data").path, "C:\\Data\\backup.pwf");
    const struct { TypedPath typed; const Message* message; int box; bool emptied; } refusals[] = {
        {ImportPath(""), &kEnterImportFile, IDC_IMPORT_FILE, true},
        {ImportPath(" C:\\a.pwa"), &kEnterImportFile, IDC_IMPORT_FILE, true},
        {BackupLocation(" C:\\Data"), &kEnterLocation, IDC_BACKUP_LOCATION, false},
    };
    for (const auto& [typed, message, box, emptied] : refusals) {
        EXPECT_FALSE(typed.path) << box;
        EXPECT_EQ(typed.refusal, Refused(*message, box, emptied)) << box;
    }
}
