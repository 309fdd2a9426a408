// Files the loader must refuse, each time leaving the open document untouched
// and without reserving memory for counts the file cannot hold.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"
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

// Loads `bytes` from a file into a copy of the sample document: success when
// the load fails, the document is as it was and no allocation exceeded 64 kB.
::testing::AssertionResult RefusedUntouched(const ByteVector& bytes) {
    ScratchDir dir;
    WriteBytes(dir.File("bad.pwf"), bytes);
    const Document original = MakeSampleDocument();
    Document document = original;
    largest = 0;
    watching = true;
    const bool loaded = document.Load(dir.File("bad.pwf"));
    watching = false;
    if (loaded) return ::testing::AssertionFailure() << "the file was accepted";
    if (!(document == original)) return ::testing::AssertionFailure() << "the document changed";
    if (largest >= (64u << 10)) return ::testing::AssertionFailure() << "allocated " << largest << " bytes";
    return ::testing::AssertionSuccess();
}

bool Loads(const ByteVector& bytes) {
    ScratchDir dir;
    WriteBytes(dir.File("good.pwf"), bytes);
    Document document;
    return document.Load(dir.File("good.pwf"));
}

ByteVector SampleFile() {
    ScratchDir dir;
    EXPECT_TRUE(MakeSampleDocument().Save(dir.File("sample.pwf")));
    return ReadBytes(dir.File("sample.pwf"));
}

ByteVector WithInt32(ByteVector bytes, std::size_t offset, std::int32_t value) {
    Bytes field;
    field.Int32(value);
    std::copy(field.data().begin(), field.data().end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

// One category, no bills, one Cash account whose transaction count is `count`.
ByteVector FileWithTransactionCount(std::int32_t count) {
    Bytes file;
    file.Header(1, 0, 1).Text("None", 31).Int32(AccountTypeCash).Text("Wallet", 31).Text("", 31).Int32(count);
    return file.Zeros(31).data();
}

}  // namespace

TEST(DataFileRefusal, WrongHeaderCountOrLength) {
    const ByteVector good = SampleFile();
    ASSERT_TRUE(Loads(good));
    ASSERT_TRUE(Loads(FileWithTransactionCount(0)));

    std::vector<std::pair<std::string, ByteVector>> bad;
    for (std::size_t i = 0; i < 10; ++i)
        for (unsigned char flip : {0x01, 0x20}) {  // 0x20: the same letter in the other case
            ByteVector changed = good;
            changed[i] ^= flip;
            bad.emplace_back("magic byte " + std::to_string(i) + " ^ " + std::to_string(flip), changed);
        }
    for (std::int32_t version : {0, 2, -1})
        bad.emplace_back("version " + std::to_string(version), WithInt32(good, 10, version));
    // Negative counts, and counts larger than the rest of the file can hold.
    for (std::int32_t count : {-1, INT_MIN, 1000, 0x10000000, INT_MAX}) {
        for (std::size_t offset : {14u, 18u, 22u})
            bad.emplace_back("count " + std::to_string(count) + " at " + std::to_string(offset),
                             WithInt32(good, offset, count));
        bad.emplace_back("transaction count " + std::to_string(count), FileWithTransactionCount(count));
    }
    ByteVector longer = good;
    longer.push_back(0);
    bad.emplace_back("one extra byte", longer);

    for (const auto& [what, bytes] : bad) EXPECT_TRUE(RefusedUntouched(bytes)) << what;
}

TEST(DataFileRefusal, FileCutAtEveryLength) {
    const ByteVector good = SampleFile();
    ASSERT_GT(good.size(), 600u);
    for (std::size_t length = 0; length < good.size(); ++length)
        ASSERT_TRUE(RefusedUntouched(ByteVector(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length))))
            << "cut at " << length << " of " << good.size();
}

TEST(DataFileRefusal, MissingFileOrFolder) {
    ScratchDir dir;
    const Document original = MakeSampleDocument();
    Document document = original;
    EXPECT_FALSE(document.Load(dir.File("no such file.pwf")));
    EXPECT_FALSE(document.Load(dir.path().string()));
    EXPECT_FALSE(document.Load(""));
    EXPECT_EQ(document, original);
}
