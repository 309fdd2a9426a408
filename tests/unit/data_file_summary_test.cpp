#include "model/file/data_file_summary.h"
#include "test_files.h"

namespace {

struct SavedSample {
    ScratchDir scratch;
    std::string path = scratch.File("Household.pwf");
    ByteVector bytes = [this] {
        EXPECT_TRUE(MakeSampleDocument().Save(path));
        return ReadBytes(path);
    }();
};

std::optional<DataFileSummary> SummaryOf(const SavedSample& sample, const ByteVector& bytes) {
    const std::string path = sample.scratch.File("other.pwf");
    WriteBytes(path, bytes);
    return ReadDataFileSummary(path);
}

}  // namespace

TEST(DataFileSummary, AccountsAndTransactionsFromTheHeads) {
    const SavedSample sample;
    const std::optional<DataFileSummary> summary = ReadDataFileSummary(sample.path);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->accounts, 3);
    EXPECT_EQ(summary->transactions, 4);
    EXPECT_FALSE(ReadDataFileSummary(sample.scratch.File("missing.pwf")));
}

TEST(DataFileSummary, RefusesWhatIsNotAWholeDataFile) {
    const SavedSample sample;
    constexpr std::size_t kVersionAt = 10, kAccountsAt = 22;
    const std::size_t firstTransactionCount = 26 + 4 * 31 + 102 + 202 - 4;
    // Cut in the header, the categories, the bills, an account head, a
    // transaction, just before the last transaction ends (the password is
    // never read).
    for (const std::size_t size : {std::size_t{0}, std::size_t{9}, std::size_t{25}, std::size_t{100},
                                   std::size_t{26 + 124 + 50}, firstTransactionCount + 2, firstTransactionCount + 60,
                                   sample.bytes.size() - 32})
        EXPECT_FALSE(SummaryOf(sample, ByteVector(sample.bytes.begin(), sample.bytes.begin() + size))) << size;
    const ByteVector refused[] = {
        With(sample.bytes, kVersionAt, std::int32_t{3}),
        With(sample.bytes, kAccountsAt, std::int32_t{-1}),
        With(sample.bytes, kAccountsAt, std::int32_t{0x7fffffff}),
        With(sample.bytes, firstTransactionCount, std::int32_t{0x7fffffff}),
        With(sample.bytes, firstTransactionCount, std::int32_t{-2}),
    };
    for (const ByteVector& bytes : refused) EXPECT_FALSE(SummaryOf(sample, bytes));
    // An encrypted file's version: only that much is told.
    const std::optional<DataFileSummary> encrypted = SummaryOf(sample, With(sample.bytes, kVersionAt, std::int32_t{2}));
    ASSERT_TRUE(encrypted);
    EXPECT_TRUE(encrypted->encrypted);
}
