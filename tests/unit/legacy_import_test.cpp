#include <sys/resource.h>

#include <climits>
#include <limits>
#include <optional>

#include "model/file/data_stream.h"
#include "model/file/legacy_import.h"
#include "test_files.h"

namespace {

constexpr std::size_t kHeadSize = 364, kRecordSize = 291;
const std::string kLongText(251, 'x');  // no terminator

Bytes& Record(Bytes& file, std::int32_t kind, std::int32_t category, std::string_view text) {
    return file.Int32(kind).Double(12.5).Int32(category).Text(text, 251).Int32(3).Int32(7).Int32(2026).Zeros(12);
}

// A version 2 file with texts that fill their fields, two categories, one
// skipped record and two transactions.
ByteVector SmallFile() {
    Bytes file;
    file.Text("Pennywhist Account", 19).Int32(2).Text(std::string(31, 'n'), 31).Text(kLongText, 251).Zeros(31);
    file.Double(-80.5).Zeros(20).Int32(2).Text("Food", 31).Text(std::string(31, 'c'), 31);
    file.Int32(1).Zeros(kRecordSize).Int32(2);
    return Record(Record(file, 0, 5, kLongText), 1, -1, "Gas").data;
}
constexpr std::size_t kN2At = kHeadSize + 4 + 2 * 31, kN3At = kN2At + 4 + kRecordSize;

const LegacyAccount kSentinel{.name = "Sentinel", .categories = {"S"}, .transactions = {{.kind = 7}}};

// "accepted", or "refused" when the account stayed as it was.
std::string ReadOver(const ByteVector& bytes, LegacyAccount& account) {
    account = kSentinel;
    DataReader in(bytes.data(), bytes.size());
    if (ReadLegacyAccount(in, account)) return "accepted";
    return account == kSentinel ? "refused" : "refused, but the account changed";
}

// A figure of /proc/self/status ("VmPeak", "VmSize"), in KiB.
std::uint64_t StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":")) return std::stoull(line.substr(field.size() + 1));
    return 0;
}

Document WithAccounts(std::vector<Text31> categories) {
    Document document;
    document.categories = std::move(categories);
    for (const Text31& name : {Text31("CHECKING"), Text31("Savings Account at First Bank"),
                               Text31(std::string(28, 'a'))})
        document.AddAccount({.name = name});
    return document;
}

RuleOutcome Import(Document& document, const LegacyAccount& legacy, std::int32_t type = AccountTypeBank) {
    return ImportLegacyAccount(document, legacy, type, Date{2026, 3, 9}, [](int) {});
}

}  // namespace

TEST(LegacyImport, ReadsEveryFieldCutsTextsAtTheirFieldAndLeavesWhatFollows) {
    ByteVector bytes = SmallFile();
    bytes.resize(bytes.size() + 100);  // the bytes after the transactions are not read
    LegacyAccount account;
    ASSERT_EQ(ReadOver(bytes, account), "accepted");
    const Text31 x30(kLongText), n30(std::string(31, 'n')), c30(std::string(31, 'c'));
    EXPECT_EQ(account, (LegacyAccount{n30, x30, -80.5, {"Food", c30},
                                      {{0, 12.5, 5, x30, 3, 7, 2026}, {1, 12.5, -1, "Gas", 3, 7, 2026}}}));
}

TEST(LegacyImport, RefusesAnotherMagicOrVersionAndAnyCutOrOversizedCount) {
    const ByteVector good = SmallFile();
    LegacyAccount account;
    ASSERT_EQ(ReadOver(good, account), "accepted");
    std::vector<std::pair<std::string, ByteVector>> bad = {{"version 1", With(good, 19, std::int32_t{1})},
                                                           {"longer magic", good},
                                                           {"wrong byte", good}};
    bad[1].second[18] = 'X';
    bad[2].second[0] = 'p';
    // Amounts that are not finite numbers: the opening amount and each transaction's.
    using Limits = std::numeric_limits<double>;
    for (double value : {Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity()})
        for (std::size_t offset : {std::size_t{336}, kN3At + 8, kN3At + 8 + kRecordSize})
            bad.emplace_back(std::to_string(value) + " at " + std::to_string(offset), With(good, offset, value));
    for (std::size_t length = 0; length < good.size(); ++length)
        bad.emplace_back("cut at " + std::to_string(length), ByteVector(good.begin(), good.begin() + length));
    for (const auto& [what, bytes] : bad) EXPECT_EQ(ReadOver(bytes, account), "refused") << what;

    // Through a file, without reserving memory for what the file cannot hold.
    ScratchDir dir;
    const std::uint64_t peakBefore = StatusKiB("VmPeak");
    for (std::int32_t count : {-1, INT_MIN, 1000, 10'000'000, INT_MAX})
        for (std::size_t offset : {kHeadSize, kN2At, kN3At}) {
            WriteBytes(dir.File("count.pwa"), With(good, offset, count));
            account = kSentinel;
            EXPECT_FALSE(ReadLegacyAccount(dir.File("count.pwa"), account)) << count << " at " << offset;
            EXPECT_EQ(account, kSentinel);
        }
    EXPECT_LT(StatusKiB("VmPeak") - peakBefore, 64u << 10) << "KiB more at the peak";
    EXPECT_FALSE(ReadLegacyAccount(dir.File("missing.pwa"), account));
}

TEST(LegacyImport, AddsTheAccountUnderAFreeNameWithTheOpeningEntryOfItsTypeFirst) {
    Document document = WithAccounts({"None"});
    const LegacyAccount legacy{.name = "Checking", .comment = "Old", .openingAmount = -80.0,
                               .transactions = {{1, 7.5, 0, "t", 5, 17, 2025}}};
    ASSERT_EQ(Import(document, legacy, AccountTypeBudget), Accepted());
    EXPECT_EQ(document.accounts.back(),
              (Account{.type = AccountTypeBudget, .name = "Checking (import)", .comment = "Old",
                       .transactions = {{80.0, 1, 3, 9, 2026, 0, 0, "", "BUDGET AMOUNT"},
                                        {7.5, 1, 5, 17, 2025, 0, 0, "", "t"}}}));
}

TEST(LegacyImport, NameTakesTheFirstFreeSuffixWhenUsedOrEmpty) {
    Document document = WithAccounts({});  // CHECKING, Savings Account at First Bank, 28 a's
    for (const char* name : {"Checking (IMPORT)", "(import)"}) document.AddAccount({.name = name});
    for (const auto& [legacy, expected] : std::vector<std::pair<std::string, std::string>>{
             {"Checking", "Checking (import 2)"}, {"Visa", "Visa"}, {"", "(import 2)"},
             {"Visa (import)", "Visa (import)"}, {"savings account at first bank", "savings account at fi (import)"},
             {std::string(28, 'A'), std::string(21, 'A') + " (import)"}})
        EXPECT_EQ(ImportedAccountName(document, legacy), expected) << legacy;

    // The same file imported again and again: a new name each time, its suffix whole.
    std::vector<std::string> names;
    for (int i = 0; i < 10; ++i) {
        names.push_back(ImportedAccountName(document, std::string(28, 'a')));
        document.AddAccount({.name = Text31(names.back())});
    }
    EXPECT_EQ(names[1], std::string(19, 'a') + " (import 2)");
    EXPECT_EQ(names[9], std::string(18, 'a') + " (import 10)");
}

TEST(LegacyImport, MergesCategoriesAndFindsThemByName) {
    LegacyAccount legacy{.categories = {"groceries", "None/MISCELLANEOUS", "Fuel", "FUEL", "Travel", "none"}};
    for (std::int32_t category : {0, 1, 2, 3, 4, 5, -1, 6, INT_MIN, INT_MAX})
        legacy.transactions.push_back({.category = category});
    struct Case { std::vector<Text31> before, after; std::vector<std::int32_t> categories; };
    for (const Case& c : {Case{{"None", "Bills", "Groceries"}, {"None", "Bills", "Groceries", "Fuel", "Travel"},
                               {2, 0, 3, 3, 4, 0, 0, 0, 0, 0}},
                          Case{{}, {"None", "groceries", "Fuel", "Travel"}, {1, 0, 2, 2, 3, 0, 0, 0, 0, 0}}}) {
        Document document = WithAccounts(c.before);
        ASSERT_EQ(Import(document, legacy), Accepted());
        EXPECT_EQ(document.categories, c.after);
        std::vector<std::int32_t> categories;
        for (const Transaction& t : document.accounts.back().transactions) categories.push_back(t.category);
        EXPECT_EQ(categories, c.categories);
    }
}

TEST(LegacyImport, ProgressCountsEveryStepWithTheDocumentUnchangedUntilTheEnd) {
    LegacyAccount legacy{.name = "Cash", .openingAmount = 5.0, .categories = {"A", "B", "C"}};
    legacy.transactions.resize(10);
    ASSERT_EQ(ImportSteps(legacy), 13);
    const Document original = WithAccounts({"None"});
    Document document = original;
    std::vector<int> steps;
    const auto progress = [&](int done) {
        steps.push_back(done);
        EXPECT_EQ(document, original) << "after step " << done;
    };
    ASSERT_EQ(ImportLegacyAccount(document, legacy, AccountTypeCash, Date{2026, 3, 9}, progress), Accepted());
    EXPECT_EQ(steps, (std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(document.accounts.back().TransactionCount(), 11);
}

TEST(LegacyImport, MemoryRunningOutChangesNothing) {
    LegacyAccount manyTransactions, manyCategories;
    manyTransactions.transactions.resize(1'000'000);
    for (int i = 0; i < 1'000'000; ++i) manyCategories.categories.emplace_back(std::to_string(i));
    const Document original = MakeSampleDocument();
    for (const auto& [legacy, message] : {std::pair{&manyTransactions, &kErrorAddingTransaction},
                                          std::pair{&manyCategories, &kErrorAddingCategory}}) {
        // In a child process whose address space may grow by 16 MB at most.
        EXPECT_EXIT(
            {
                rlimit limit{};
                getrlimit(RLIMIT_AS, &limit);
                limit.rlim_cur = (StatusKiB("VmSize") << 10) + (16u << 20);
                setrlimit(RLIMIT_AS, &limit);
                Document document = original;
                const RuleOutcome outcome = Import(document, *legacy);
                std::_Exit(outcome == Failed(*message) && document == original ? 0 : 1);
            },
            testing::ExitedWithCode(0), "")
            << message->text;
    }
}
