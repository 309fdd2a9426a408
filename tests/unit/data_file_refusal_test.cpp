// Files the loader must refuse, each time leaving the open document untouched
// and without reserving memory for counts the file cannot hold; and a file
// that gets shorter while it is read, as on a drive that goes away.

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>
#include <new>

#include "model/data_stream.h"
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

// Loads `bytes` from a file into a copy of the sample document: "accepted",
// or "refused" when the document stayed as it was and no allocation reached 64 kB.
std::string LoadOver(const ByteVector& bytes) {
    ScratchDir dir;
    WriteBytes(dir.File("file.pwf"), bytes);
    const Document original = MakeSampleDocument();
    Document document = original;
    largest = 0;
    watching = true;
    const bool loaded = document.Load(dir.File("file.pwf"));
    watching = false;
    if (loaded) return "accepted";
    if (!(document == original)) return "refused, but the document changed";
    if (largest >= (64u << 10)) return "refused, but " + std::to_string(largest) + " bytes were allocated";
    return "refused";
}

ByteVector SavedBytes(const Document& document) {
    ScratchDir dir;
    EXPECT_TRUE(document.Save(dir.File("saved.pwf")));
    return ReadBytes(dir.File("saved.pwf"));
}

// One category, no bills, one Cash account whose transaction count is `count`.
ByteVector FileWithTransactionCount(std::int32_t count) {
    Bytes file;
    file.Header(1, 0, 1).Text("None", 31).Int32(AccountTypeCash).Text("Wallet", 31).Text("", 31).Int32(count);
    return file.Zeros(31).data;
}

}  // namespace

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

TEST(DataFileRefusal, FileCutShortWhileItIsRead) {
    // Larger than the reader's 4 MiB buffer, so a cut past it shows only part way through.
    Document big = MakeSampleDocument();
    big.accounts[0].transactions.resize(60000, big.accounts[0].transactions[1]);
    ScratchDir dir;
    const std::string path = dir.File("big.pwf");
    ASSERT_TRUE(big.Save(path));
    const std::uintmax_t size = std::filesystem::file_size(path);
    ASSERT_GT(size, 5u << 20);
    const Document original = MakeSampleDocument();
    for (std::uintmax_t kept : {std::uintmax_t{0}, std::uintmax_t{5} << 20, size - 1}) {
        ASSERT_TRUE(big.Save(path));
        InputFile file(path);
        ASSERT_TRUE(file.IsOpen());
        DataReader in(file);
        std::filesystem::resize_file(path, kept);
        Document document = original;
        EXPECT_FALSE(document.Read(in)) << "cut to " << kept;
        EXPECT_TRUE(document == original) << "cut to " << kept;
        EXPECT_EQ(in.Remaining(), 0u) << "a failed read ends the stream";
    }
}
