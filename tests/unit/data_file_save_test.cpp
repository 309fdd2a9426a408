// Save and Load together: every field comes back, and a failed save leaves the
// old file as it was.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "model/document.h"
#include "test_files.h"

namespace {

Account FullAccount(std::int32_t type, const std::string& name) {
    Account account = MakeAccount(type, name, "Comment of " + name);
    account.accountNumber.Set("No. " + name);
    account.contactInfo.Set("Contact for " + name);
    account.creditLimit = 4321.75;
    account.AddTransaction(MakeTransaction(0, 100.25, 1, 2, 2003, 4, 5, "In " + name, "first"));
    account.AddTransaction(MakeTransaction(1, 0.5, 12, 31, 1999, 0, -7, "Out " + name, "second"));
    account.AddTransaction(MakeTransaction(5, 1e15, 2, 29, 2024, 40, 2147483647, "", "odd kind"));
    return account;
}

bool NoTemporaryLeft(const ScratchDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().string().ends_with(".saving")) return false;
    return true;
}

}  // namespace

TEST(DataFileSave, EveryFieldRoundTrips) {
    Document document;
    document.password.Set(std::string(30, 'p'));
    document.AddCategory(Text31("None"));
    document.AddCategory(Text31(std::string(30, 'c')));
    BillDeposit bill;
    bill.occurrence = OccurrenceDaily;
    bill.account = 4;
    bill.kind = DepositKind;
    bill.amount = 1234.56;
    bill.month = 10;
    bill.day = 9;
    bill.year = 2031;
    bill.category = 1;
    bill.number = -3;
    bill.payee.Set(std::string(30, 'y'));
    bill.memo.Set("memo");
    document.AddBillDeposit(bill);
    bill.occurrence = OccurrenceOnce;
    bill.kind = BillKind;
    bill.amount = 0.0;
    document.AddBillDeposit(bill);
    for (std::int32_t type : {AccountTypeBank, AccountTypeCredit, AccountTypeOther})
        document.AddAccount(FullAccount(type, "type " + std::to_string(type)));
    document.GetAccount(0).contactInfo.Set(std::string(100, 'i'));
    document.GetAccount(1).accountNumber.Set(std::string(30, 'n'));
    document.GetAccount(0).creditLimit = 0.0;  // not kept for Bank and Other
    document.GetAccount(2).creditLimit = 0.0;

    ScratchDir dir;
    ASSERT_TRUE(document.Save(dir.File("all.pwf")));
    Document loaded;
    ASSERT_TRUE(loaded.Load(dir.File("all.pwf")));
    EXPECT_EQ(loaded, document);
    EXPECT_EQ(loaded.GetAccount(1).creditLimit, 4321.75);
    EXPECT_EQ(loaded.GetAccount(0).contactInfo.view(), std::string(100, 'i'));
    EXPECT_EQ(loaded.password.view(), std::string(30, 'p'));
    EXPECT_TRUE(NoTemporaryLeft(dir));
}

TEST(DataFileSave, FieldsTheTypeDoesNotKeepComeBackEmpty) {
    for (std::int32_t type : {std::int32_t{AccountTypeBudget}, std::int32_t{AccountTypeCash},
                              std::int32_t{AccountTypeBank}, std::int32_t{AccountTypeOther}, std::int32_t{6}}) {
        SCOPED_TRACE("account type " + std::to_string(type));
        Document document;
        document.AddAccount(FullAccount(type, "x"));
        ScratchDir dir;
        ASSERT_TRUE(document.Save(dir.File("types.pwf")));
        Document loaded;
        ASSERT_TRUE(loaded.Load(dir.File("types.pwf")));

        Account expected = document.GetAccount(0);
        expected.creditLimit = 0.0;
        if (!HasAccountDetails(type)) {
            expected.accountNumber = Text31();
            expected.contactInfo = Text101();
        }
        EXPECT_EQ(loaded.GetAccount(0), expected);
        EXPECT_EQ(loaded.GetAccount(0).creditLimit, 0.0);
    }
}

TEST(DataFileSave, TextFieldSetCutsLongTextToTheFieldWidth) {
    Text31 name(std::string(45, 'n'));
    EXPECT_EQ(name.view(), std::string(30, 'n'));
    Text101 contact(std::string(150, 'c'));
    EXPECT_EQ(contact.view(), std::string(100, 'c'));

    // A shorter text over a longer one leaves zeros behind it, as the file needs.
    name.Set("ab");
    EXPECT_EQ(name.view(), "ab");
    for (std::size_t i = 2; i < sizeof name.bytes; ++i) EXPECT_EQ(name.bytes[i], '\0') << i;
    name.Set(std::string_view("cd\0ef", 5));
    EXPECT_EQ(name.view(), "cd");
    EXPECT_EQ(name.bytes[3], '\0');
}

TEST(DataFileSave, LargeDocumentCrossesBufferBoundaries) {
    // About 4.7 MB: more than the writer's buffer and several reader chunks,
    // with records straddling the chunk edges.
    Document document = MakeSampleDocument();
    Account big = MakeAccount(AccountTypeBank, "Big", "");
    for (std::int32_t i = 0; i < 50000; ++i)
        big.AddTransaction(MakeTransaction(i % 2, i * 0.25, i % 12 + 1, i % 28 + 1, 2000 + i % 30, i % 4, i,
                                           "Payee " + std::to_string(i), std::to_string(i * 7)));
    document.AddAccount(std::move(big));

    ScratchDir dir;
    ASSERT_TRUE(document.Save(dir.File("big.pwf")));
    EXPECT_GT(std::filesystem::file_size(dir.File("big.pwf")), 4u << 20);
    Document loaded;
    ASSERT_TRUE(loaded.Load(dir.File("big.pwf")));
    EXPECT_TRUE(loaded == document);

    ByteVector cut = ReadBytes(dir.File("big.pwf"));
    cut.pop_back();
    WriteBytes(dir.File("cut.pwf"), cut);
    EXPECT_FALSE(loaded.Load(dir.File("cut.pwf")));
    EXPECT_TRUE(loaded == document);
}

TEST(DataFileSave, SaveReplacesTheWholeFileAndKeepsItsPermissions) {
    ScratchDir dir;
    const std::string path = dir.File("replace.pwf");
    Document large = MakeSampleDocument();
    ASSERT_TRUE(large.Save(path));
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);

    Document small;
    small.AddCategory(Text31("None"));
    ASSERT_TRUE(small.Save(path));
    EXPECT_EQ(std::filesystem::file_size(path), 26u + 31u + 31u);
    Document loaded = MakeSampleDocument();
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded, small);

    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_TRUE(NoTemporaryLeft(dir));
}

TEST(DataFileSave, FailedSaveLeavesNoFileChangedAndNoTemporary) {
    ScratchDir dir;
    const Document document = MakeSampleDocument();

    // Into a folder that does not exist.
    EXPECT_FALSE(document.Save(dir.File("missing/folder/file.pwf")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    EXPECT_FALSE(document.Save(""));

    // Over a read-only file, which stays as it is even for root.
    const std::string path = dir.File("readonly.pwf");
    Document old;
    old.AddCategory(Text31("Old"));
    ASSERT_TRUE(old.Save(path));
    const ByteVector before = ReadBytes(path);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(document.Save(path));
    EXPECT_EQ(ReadBytes(path), before);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);

    // Over something that is not a file.
    std::filesystem::create_directory(dir.File("folder.pwf"));
    EXPECT_FALSE(document.Save(dir.File("folder.pwf")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.pwf")));

    EXPECT_TRUE(NoTemporaryLeft(dir));
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
}

TEST(DataFileSave, DiskFullWhileWritingKeepsTheOldFile) {
    // The temporary file is made to land on /dev/full, so the write fails
    // after the temporary was opened.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ScratchDir dir;
    const std::string path = dir.File("full.pwf");
    Document old;
    old.AddCategory(Text31("Old"));
    ASSERT_TRUE(old.Save(path));
    const ByteVector before = ReadBytes(path);
    std::filesystem::create_symlink("/dev/full", path + ".saving");

    EXPECT_FALSE(MakeSampleDocument().Save(path));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(NoTemporaryLeft(dir));
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}
