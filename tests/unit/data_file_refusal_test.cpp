// Files the loader must refuse, each time leaving the open document untouched.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

#include "model/data_stream.h"
#include "model/document.h"
#include "test_files.h"

// The largest single allocation asked for while a LargestAllocation is alive,
// so a test can tell that a count was refused before anything was reserved for
// it. Meanwhile anything above 64 MB fails at once instead of filling memory.
namespace {
std::atomic<bool> watching{false};
std::atomic<std::size_t> largest{0};
constexpr std::size_t kWatchedLimit = 64u << 20;
}  // namespace

void* operator new(std::size_t size) {
    if (watching.load(std::memory_order_relaxed)) {
        std::size_t seen = largest.load(std::memory_order_relaxed);
        while (size > seen && !largest.compare_exchange_weak(seen, size)) {
        }
        if (size > kWatchedLimit) throw std::bad_alloc();
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

class LargestAllocation {
public:
    LargestAllocation() {
        largest = 0;
        watching = true;
    }
    ~LargestAllocation() { watching = false; }
    std::size_t bytes() const { return largest; }
};

// Loads `bytes` written to a file into a document with known content; true
// when the load failed and the document is as it was.
::testing::AssertionResult RefusedUntouched(const ByteVector& bytes) {
    ScratchDir dir;
    WriteBytes(dir.File("bad.pwf"), bytes);
    const Document original = MakeSampleDocument();
    Document document = original;
    if (document.Load(dir.File("bad.pwf"))) return ::testing::AssertionFailure() << "the file was accepted";
    if (!(document == original)) return ::testing::AssertionFailure() << "the document changed";
    return ::testing::AssertionSuccess();
}

ByteVector SampleFile() {
    ScratchDir dir;
    EXPECT_TRUE(MakeSampleDocument().Save(dir.File("sample.pwf")));
    return ReadBytes(dir.File("sample.pwf"));
}

void PutInt32(ByteVector& bytes, std::size_t offset, std::int32_t value) {
    Bytes field;
    field.Int32(value);
    std::copy(field.data().begin(), field.data().end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// One category, no bills, one Cash account whose transaction count is `transactions`.
ByteVector FileWithTransactionCount(std::int32_t transactions) {
    Bytes file;
    file.Header(1, 0, 1).Text("None", 31);
    file.Int32(AccountTypeCash).Text("Wallet", 31).Text("", 31).Int32(transactions);
    file.Zeros(31);
    return file.data();
}

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

}  // namespace

TEST(DataFileRefusal, SampleFileItselfLoads) {
    // The refusals below change one thing in this file; it must load as it is.
    const ByteVector bytes = SampleFile();
    ScratchDir dir;
    WriteBytes(dir.File("good.pwf"), bytes);
    Document document;
    ASSERT_TRUE(document.Load(dir.File("good.pwf")));
    EXPECT_EQ(document, MakeSampleDocument());
}

TEST(DataFileRefusal, WrongMagicInAnyByte) {
    const ByteVector good = SampleFile();
    for (std::size_t i = 0; i < 10; ++i) {
        ByteVector bad = good;
        bad[i] ^= 0x01;
        EXPECT_TRUE(RefusedUntouched(bad)) << "magic byte " << i;
        bad[i] = 0;
        EXPECT_TRUE(RefusedUntouched(bad)) << "magic byte " << i << " zero";
    }
    for (const char* magic : {"pennywhist", "PENNYWHIST", "Pennywhisp", "Moneywhist"}) {
        ByteVector bad = good;
        std::copy(magic, magic + 10, bad.begin());
        EXPECT_TRUE(RefusedUntouched(bad)) << magic;
    }
}

TEST(DataFileRefusal, VersionOtherThanOne) {
    for (std::int32_t version : {0, 2, -1, 0x100, kInt32Max}) {
        ByteVector bad = SampleFile();
        PutInt32(bad, 10, version);
        EXPECT_TRUE(RefusedUntouched(bad)) << "version " << version;
    }
}

TEST(DataFileRefusal, FileCutAtEveryLength) {
    const ByteVector good = SampleFile();
    ASSERT_GT(good.size(), 600u);
    ScratchDir dir;
    const Document original = MakeSampleDocument();
    Document document = original;
    for (std::size_t length = 0; length < good.size(); ++length) {
        // A new file each time: truncating one file over and over is slow on ext4.
        const std::string path = dir.File("cut" + std::to_string(length) + ".pwf");
        WriteBytes(path, ByteVector(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)));
        ASSERT_FALSE(document.Load(path)) << "cut at " << length << " of " << good.size();
        ASSERT_TRUE(document == original) << "changed by a file cut at " << length;
    }
}

TEST(DataFileRefusal, ExtraBytesAfterThePassword) {
    ByteVector bad = SampleFile();
    bad.push_back(0);
    EXPECT_TRUE(RefusedUntouched(bad));

    Bytes empty;
    empty.Header(0, 0, 0).Zeros(31);
    ScratchDir dir;
    WriteBytes(dir.File("empty.pwf"), empty.data());
    Document document = MakeSampleDocument();
    ASSERT_TRUE(document.Load(dir.File("empty.pwf")));  // the smallest valid file
    EXPECT_EQ(document, Document());
    EXPECT_TRUE(RefusedUntouched(empty.Zeros(1).data()));
}

TEST(DataFileRefusal, NegativeCounts) {
    const ByteVector good = SampleFile();
    for (std::int32_t count : {-1, kInt32Min}) {
        for (std::size_t offset : {14u, 18u, 22u}) {
            ByteVector bad = good;
            PutInt32(bad, offset, count);
            EXPECT_TRUE(RefusedUntouched(bad)) << "count " << count << " at offset " << offset;
        }
        EXPECT_TRUE(RefusedUntouched(FileWithTransactionCount(count))) << "transaction count " << count;
    }
}

TEST(DataFileRefusal, HugeCountsAreRefusedBeforeAnyAllocation) {
    // A count must not be bigger than the rest of the file can hold; checking
    // that first keeps a bad file from reserving gigabytes.
    {
        const ByteVector base = FileWithTransactionCount(0);  // valid as it is
        Document document;
        DataReader in(base.data(), base.size());
        ASSERT_TRUE(document.Read(in));
        ASSERT_EQ(document.GetAccount(0).name.view(), "Wallet");
    }
    const ByteVector good = SampleFile();
    for (std::int32_t count : {kInt32Max, 0x10000000, 1000}) {
        for (std::size_t offset : {14u, 18u, 22u}) {
            ByteVector bad = good;
            PutInt32(bad, offset, count);
            const Document original = MakeSampleDocument();
            Document document = original;
            DataReader in(bad.data(), bad.size());
            LargestAllocation watch;
            EXPECT_FALSE(document.Read(in)) << "count " << count << " at offset " << offset;
            EXPECT_LT(watch.bytes(), 64u * 1024) << "count " << count << " at offset " << offset;
            EXPECT_TRUE(document == original);
        }
        const ByteVector account = FileWithTransactionCount(count);
        Document document = MakeSampleDocument();
        DataReader in(account.data(), account.size());
        LargestAllocation watch;
        EXPECT_FALSE(document.Read(in)) << "transaction count " << count;
        EXPECT_LT(watch.bytes(), 64u * 1024) << "transaction count " << count;
    }
    // And through Load, with the file reader.
    ByteVector bad = good;
    PutInt32(bad, 14, 0x10000000);
    for (const ByteVector& file : {bad, FileWithTransactionCount(kInt32Max)}) {
        ScratchDir dir;
        WriteBytes(dir.File("huge.pwf"), file);
        Document document;
        LargestAllocation watch;
        EXPECT_FALSE(document.Load(dir.File("huge.pwf")));
        EXPECT_LT(watch.bytes(), 64u * 1024);
    }
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
