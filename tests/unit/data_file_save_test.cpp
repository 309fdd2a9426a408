// Save and Load together: every field comes back, a save replaces the whole
// file, and a failed save leaves the old file as it was with no temporary behind.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "model/document.h"
#include "test_files.h"

namespace {

bool NoTemporaryLeft(const ScratchDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().string().ends_with(".saving")) return false;
    return true;
}

}  // namespace

TEST(DataFileSave, EveryFieldRoundTripsAcrossBufferBoundaries) {
    // Full-width texts in every record kind, and an account of about 4.7 MB:
    // more than the writer's buffer and several reader blocks.
    Document document = MakeSampleDocument();
    document.password.Set(std::string(30, 'p'));
    document.AddCategory(Text31(std::string(30, 'c')));
    document.AddBillDeposit({DepositKind, 1234.56, 10, 9, 2031, 4, -3, Text31(std::string(30, 'y')),
                             Text31(std::string(30, 'z')), OccurrenceDaily, 3});
    Account big = MakeAccount(AccountTypeCredit, std::string(30, 'n'), std::string(30, 'o'));
    big.accountNumber.Set(std::string(30, 'a'));
    big.contactInfo.Set(std::string(100, 'i'));
    big.creditLimit = -4321.75;
    for (std::int32_t i = 0; i < 50000; ++i)
        big.AddTransaction({i % 3, i * 0.25, i % 12 + 1, i % 28 + 1, 2000 + i % 30, i % 5 - 1, i,
                            Text31("Payee " + std::to_string(i)), Text31(std::to_string(i * 7))});
    document.AddAccount(std::move(big));

    ScratchDir dir;
    const std::string path = dir.File("big.pwf");
    ASSERT_TRUE(document.Save(path));
    EXPECT_GT(std::filesystem::file_size(path), 4u << 20);
    EXPECT_TRUE(NoTemporaryLeft(dir));
    Document loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_TRUE(loaded == document);

    ByteVector cut = ReadBytes(path);
    cut.pop_back();
    WriteBytes(dir.File("cut.pwf"), cut);
    EXPECT_FALSE(loaded.Load(dir.File("cut.pwf")));
    EXPECT_TRUE(loaded == document);
}

TEST(DataFileSave, SaveReplacesTheWholeFileAndKeepsItsPermissions) {
    ScratchDir dir;
    const std::string path = dir.File("replace.pwf");
    ASSERT_TRUE(MakeSampleDocument().Save(path));
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);

    Document small;
    small.AddCategory(Text31("None"));
    ASSERT_TRUE(small.Save(path));
    EXPECT_EQ(std::filesystem::file_size(path), 26u + 31u + 31u);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_TRUE(NoTemporaryLeft(dir));
}

TEST(DataFileSave, FailedSaveLeavesTheOldFileAndNoTemporary) {
    ScratchDir dir;
    const Document document = MakeSampleDocument();
    Document old;
    old.AddCategory(Text31("Old"));

    EXPECT_FALSE(document.Save(dir.File("missing/folder/file.pwf")));
    EXPECT_FALSE(document.Save(""));
    std::filesystem::create_directory(dir.File("folder.pwf"));
    EXPECT_FALSE(document.Save(dir.File("folder.pwf")));

    // A read-only file stays as it is, for root too.
    const std::string readOnly = dir.File("readonly.pwf");
    ASSERT_TRUE(old.Save(readOnly));
    const ByteVector before = ReadBytes(readOnly);
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
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
