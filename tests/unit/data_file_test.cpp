#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>

#include "model/file/data_stream.h"
#include "model/file/exchange_rules.h"
#include "test_files.h"

// While `watching`, the largest single allocation is kept, and anything above
// 64 MB fails at once instead of filling memory. The tests run on one thread.
namespace {
bool watching = false;
std::size_t largest = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (watching) {
        largest = std::max(largest, size);
        if (size > (64u << 20)) throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
// GCC cannot see that these pair with the operator new above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace {

using std::filesystem::perms;

// Loads `bytes` from a file over `document`: "accepted", or "refused" when
// the document stayed as it was and no allocation reached 64 kB.
std::string LoadOver(const ByteVector& bytes, Document& document) {
    ScratchDir dir;
    WriteBytes(dir.File("file.pwf"), bytes);
    const Document original = document;
    largest = 0;
    watching = true;
    const bool loaded = document.Load(dir.File("file.pwf"));
    watching = false;
    if (loaded) return "accepted";
    if (!(document == original)) return "refused, but the document changed";
    if (largest >= (64u << 10)) return "refused, but " + std::to_string(largest) + " bytes were allocated";
    return "refused";
}

std::string LoadOver(const ByteVector& bytes) {
    Document document = MakeSampleDocument();
    return LoadOver(bytes, document);
}

ByteVector SavedBytes(const Document& document) {
    ScratchDir dir;
    EXPECT_TRUE(document.Save(dir.File("saved.pwf")));
    return ReadBytes(dir.File("saved.pwf"));
}

// Saves `document`, expects exactly the bytes of `expected`, and gives back
// what loading those hand-laid bytes over the sample document yields.
Document SaveCheckAndLoad(const Document& document, const Bytes& expected) {
    EXPECT_EQ(SavedBytes(document), expected.data);
    Document loaded = MakeSampleDocument();
    EXPECT_EQ(LoadOver(expected.data, loaded), "accepted");
    return loaded;
}

ByteVector FileWithTransactionCount(std::int32_t count) {
    Bytes file;
    file.Header(1, 0, 1).Text("None", 31).Int32(AccountTypeCash).Text("Wallet", 31).Text("", 31).Int32(count);
    return file.Zeros(31).data;
}

bool NoTemporaryLeft(const ScratchDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(dir.path))
        if (entry.path().string().ends_with(".saving")) return false;
    return true;
}

}  // namespace

TEST(DataFileLayout, AccountRecordFollowsTheTypeAndKeepsOnlyItsFields) {
    const struct { std::int32_t type; bool details, creditLimit; } cases[] = {
        {AccountTypeBudget, false, false}, {AccountTypeCash, false, false}, {AccountTypeBank, true, false},
        {AccountTypeOther, true, false},   {AccountTypeCredit, true, true}, {7, false, false}, {-1, false, false},
    };
    const Transaction first{1234.5, 0, 3, 7, 2002, 2, 17, "Payee one", "Memo one"};
    const Transaction second{0.01, 3, 12, 31, 1999, -1, -5, "Second", ""};
    for (const auto& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        Account account{c.type, "Longer name first", "A comment", "987-654", "Call 555-0199", 1500.25, {first, second}};
        account.name = "Account name";  // a shorter text over a longer one leaves zeros behind it
        Document document;
        document.AddAccount(account);

        Bytes file;
        file.Header(0, 0, 1).Int32(c.type).Text("Account name", 31).Text("A comment", 31);
        if (c.details) file.Text("987-654", 31).Text("Call 555-0199", 101);
        if (c.creditLimit) file.Double(1500.25);
        file.Int32(2).Record(first).Record(second).Zeros(31);  // no password

        // What the type does not keep comes back empty.
        const Account kept{c.type, "Account name", "A comment", c.details ? "987-654" : "",
                           c.details ? "Call 555-0199" : "", c.creditLimit ? 1500.25 : 0.0, {first, second}};
        EXPECT_EQ(SaveCheckAndLoad(document, file).accounts, std::vector{kept});
    }
}

TEST(DataFileLayout, BillDepositRecordStartsWithOccurrenceAndAccount) {
    Document document;
    document.AddCategory("None");
    document.AddBillDeposit(
        {DepositKind, 987.65, 11, 30, 2025, 8, 4242, "Employer", "Salary", OccurrenceEveryOtherWeek, 2});
    document.password = "pw";

    Bytes file;
    file.Header(1, 1, 0).Text("None", 31);
    file.Int32(OccurrenceEveryOtherWeek).Int32(2).Int32(DepositKind).Double(987.65);
    file.Int32(11).Int32(30).Int32(2025).Int32(8).Int32(4242).Text("Employer", 31).Text("Salary", 31);
    file.Text("pw", 31);
    EXPECT_EQ(SaveCheckAndLoad(document, file), document);
}

TEST(DataFileLayout, TextWithoutTerminatorIsTakenWithItsLastByteZero) {
    const std::string a(31, 'a'), b(31, 'b'), m(31, 'm'), n(31, 'n'), p(31, 'p'), q(31, 'q'), c(101, 'c');
    Bytes file;
    file.Header(1, 1, 1).Text(a, 31);
    file.Int32(0).Int32(0).Int32(0).Double(1.0).Int32(1).Int32(1).Int32(2020).Int32(0).Int32(0).Text(b, 31).Text(m, 31);
    file.Int32(AccountTypeBank).Text(n, 31).Text(p, 31).Text(q, 31).Text(c, 101).Int32(1);
    file.Int32(0).Double(5.0).Int32(1).Int32(2).Int32(2020).Int32(0).Int32(0).Text(a, 31).Text(b, 31);
    file.Text(p, 31);  // password

    Document loaded;
    ASSERT_EQ(LoadOver(file.data, loaded), "accepted");
    const BillDeposit& bill = loaded.GetBillDeposit(0);
    const Account& account = loaded.GetAccount(0);
    const Transaction& t = account.GetTransaction(0);
    const std::pair<const Text31*, char> fields[] = {
        {&loaded.GetCategory(0), 'a'}, {&bill.payee, 'b'}, {&bill.memo, 'm'}, {&account.name, 'n'},
        {&account.comment, 'p'},       {&account.accountNumber, 'q'}, {&t.payee, 'a'}, {&t.memo, 'b'},
        {&loaded.password, 'p'}};
    for (const auto& [field, letter] : fields) EXPECT_EQ(field->view(), std::string(30, letter));
    EXPECT_EQ(account.contactInfo.view(), std::string(100, 'c'));
}

TEST(DataFileRefusal, WrongHeaderCountOrLengthAndACutAtEveryLength) {
    const ByteVector good = SavedBytes(MakeSampleDocument());
    ASSERT_EQ(LoadOver(good), "accepted");
    ASSERT_EQ(LoadOver(FileWithTransactionCount(0)), "accepted");

    std::vector<std::pair<std::string, ByteVector>> bad;
    for (std::size_t i = 0; i < 10; ++i)
        for (unsigned char flip : {0x01, 0x20}) {  // 0x20: the same letter in the other case
            ByteVector changed = good;
            changed[i] ^= flip;
            bad.emplace_back("magic byte " + std::to_string(i) + " ^ " + std::to_string(flip), changed);
        }
    for (std::int32_t version : {0, 2, -1})
        bad.emplace_back("version " + std::to_string(version), With(good, 10, version));
    // Negative counts, and counts larger than the rest of the file can hold.
    for (std::int32_t count : {-1, INT_MIN, 1000, 0x10000000, INT_MAX}) {
        const std::string what = "count " + std::to_string(count);
        for (std::size_t offset : {14u, 18u, 22u})
            bad.emplace_back(what + " at " + std::to_string(offset), With(good, offset, count));
        bad.emplace_back("transaction " + what, FileWithTransactionCount(count));
    }
    bad.emplace_back("one extra byte", good);
    bad.back().second.push_back(0);
    ASSERT_GT(good.size(), 600u);
    for (std::size_t length = 0; length < good.size(); ++length)
        bad.emplace_back("cut at " + std::to_string(length), ByteVector(good.begin(), good.begin() + length));

    for (const auto& [what, bytes] : bad) EXPECT_EQ(LoadOver(bytes), "refused") << what;
}

TEST(DataFileRefusal, AmountOrCreditLimitThatIsNotAFiniteNumber) {
    using Change = void (*)(Document&, double);
    const std::pair<const char*, Change> fields[] = {
        {"bill amount", [](Document& d, double value) { d.billDeposits[0].amount = value; }},
        {"transaction amount", [](Document& d, double value) { d.accounts[0].transactions[1].amount = value; }},
        {"credit limit", [](Document& d, double value) { d.accounts[1].creditLimit = value; }},
    };
    using Limits = std::numeric_limits<double>;
    for (const auto& [what, change] : fields)
        for (double value : {Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity()}) {
            Document document = MakeSampleDocument();
            change(document, value);
            EXPECT_EQ(LoadOver(SavedBytes(document)), "refused") << what << ' ' << value;
        }
}

TEST(DataFileRefusal, MissingFileOrFolder) {
    ScratchDir dir;
    const Document original = MakeSampleDocument();
    Document document = original;
    for (const std::string& path : {dir.File("no such file.pwf"), dir.path, std::string()})
        EXPECT_FALSE(document.Load(path)) << path;
    EXPECT_EQ(document, original);
}

TEST(DataFileSave, EveryFieldRoundTripsAcrossBufferBoundariesAndACutWhileReadIsRefused) {
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

    // A file that gets shorter while it is read, as on a drive that goes away:
    // a cut past the reader's first buffer shows only part way through.
    const std::uintmax_t size = std::filesystem::file_size(path);
    const Document original = MakeSampleDocument();
    for (std::uintmax_t kept : {std::uintmax_t{0}, std::uintmax_t{5} << 20, size - 1}) {
        ASSERT_TRUE(document.Save(path));
        InputFile file(path);
        ASSERT_TRUE(file.IsOpen());
        DataReader in(file);
        std::filesystem::resize_file(path, kept);
        Document cut = original;
        EXPECT_FALSE(cut.Read(in)) << "cut to " << kept;
        EXPECT_TRUE(cut == original) << "cut to " << kept;
        EXPECT_EQ(in.Remaining(), 0u) << "a failed read ends the stream";
    }
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

TEST(DataWriter, MemoryGrowsPastWhatWasReservedAndTakesEmptyBlocks) {
    DataWriter writer;
    writer.Memory().reserve(3);
    ByteVector expected;
    for (unsigned char i = 0; i < 100; ++i) {
        const unsigned char block[7] = {i, 1, 2, 3, 4, 5, i};
        writer.Write(block, sizeof block);
        writer.Write(nullptr, 0);
        expected.insert(expected.end(), block, block + sizeof block);
    }
    EXPECT_EQ(writer.Memory(), expected);
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
