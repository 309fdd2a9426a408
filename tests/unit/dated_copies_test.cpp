#include <algorithm>
#include <filesystem>

#include "model/file/atomic_save.h"
#include "model/file/dated_copies.h"
#include "model/file/dated_copy_list.h"
#include "platform/platform_folder.h"
#include "test_files.h"

namespace {

constexpr CopyTime kMorning{2026, 12, 7, 4, 58, 36};
const EnvelopeUnlocker kNoPassword = [](const EnvelopeHeader&) { return std::optional<UnlockedFile>(); };

std::vector<std::string> CopyNames(const std::vector<DatedCopy>& copies) {
    std::vector<std::string> names;
    for (const DatedCopy& copy : copies) names.push_back(copy.name);
    return names;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A document told apart from another by its password.
Document Version(const char* password) {
    Document document = MakeSampleDocument();
    document.password = password;
    return document;
}

Document Loaded(const std::string& path) {
    Document document;
    EXPECT_TRUE(document.Load(path)) << path;
    return document;
}

// The platform's steps, counted, with what a test changes of them.
struct StepLog {
    int moves = 0;
    int copies = 0;
};
StepLog steps;
bool sameVolume = true;
bool moveRefused = false;
std::string vanishingTemporary;  // removed right after the move, so that the new file cannot take its place

const CopySteps kCountedSteps{
    [](const std::string& a, const std::string& b) { return sameVolume && OnSameVolume(a, b); },
    [](const std::string& from, const std::string& to) {
        ++steps.moves;
        if (moveRefused || !MoveFileTo(from, to)) return false;
        if (!vanishingTemporary.empty()) std::filesystem::remove(vanishingTemporary);
        return true;
    },
    [](const std::string& from, const std::string& to) {
        ++steps.copies;
        return CopyFileTo(from, to);
    },
};

class DatedCopySaves : public testing::Test {
protected:
    void SetUp() override {
        steps = {};
        sameVolume = true;
        moveRefused = false;
        vanishingTemporary.clear();
    }
    bool SaveAt(const Document& document, const CopyTime& time, DatedCopySettings settings = {}) {
        const DatedCopyRequest request{std::move(settings), time, &kCountedSteps};
        return document.Save(dataFile, &request);
    }
    std::vector<std::string> Backups() const { return Sorted(FileNamesIn(scratch.File("Backups"))); }

    ScratchDir scratch;
    std::string dataFile = scratch.File("Household.pwf");
};

}  // namespace

TEST(DatedCopyNames, TheDataFilesNameAndTheTimeOfTheSave) {
    EXPECT_EQ(DatedCopyName("Household", kMorning, 1), "Household.2026-12-07_045836.pwf");
    EXPECT_EQ(DatedCopyName("Household", kMorning, 3), "Household.2026-12-07_045836-3.pwf");
    struct Case {
        const char* dataFile;
        const char* stem;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\Money\\Household.pwf", "Household", "C:\\Money\\Backups"},
        {"/home/me/a.b/Household", "Household", "/home/me/a.b/Backups"},
        {"C:\\Money\\My.Home.pwf", "My.Home", "C:\\Money\\Backups"},
        {"Household.pwf", "Household", "Backups"},
        {"C:\\Money\\.pwf", ".pwf", "C:\\Money\\Backups"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataFileStem(c.dataFile), c.stem) << c.dataFile;
        EXPECT_EQ(DatedCopyFolder(c.dataFile, ""), c.folder) << c.dataFile;
    }
    EXPECT_EQ(DatedCopyFolder("C:\\Money\\Household.pwf", "E:\\Copies"), "E:\\Copies");
}

TEST(DatedCopyNames, OnlyThisFilesCopiesNewestFirst) {
    const std::vector<std::string> names = {
        "Household.2026-12-07_045836.pwf",
        "household.2026-12-07_045836-2.PWF",  // the letters' case aside
        "Household.2025-01-31_235959.pwf",
        "Household.2026-12-07_045836-10.pwf",
        // Not copies of Household.pwf:
        "Household.pwf",
        "Household2.2026-12-07_045836.pwf",
        "Household.old.2026-12-07_045836.pwf",
        "Household.2026-12-07_045836.pwf.saving",
        "Household.2026-12-07_045836-1.pwf",
        "Household.2026-12-07_045836-02.pwf",
        "Household.2026-12-07_045836-2x.pwf",
        "Household.2026-1-07_045836.pwf",
        "Household.2026-12-07_0458.pwf",
        "Household.2026-12-07_045836.txt",
        "Household.2026-12-07 045836.pwf",
    };
    EXPECT_EQ(CopyNames(DatedCopiesAmong(names, "Household")),
              (std::vector<std::string>{"Household.2026-12-07_045836-10.pwf", "household.2026-12-07_045836-2.PWF",
                                        "Household.2026-12-07_045836.pwf", "Household.2025-01-31_235959.pwf"}));
    const DatedCopy oldest = DatedCopiesAmong(names, "Household").back();
    EXPECT_EQ(oldest.time, (CopyTime{2025, 1, 31, 23, 59, 59}));
    EXPECT_EQ(oldest.number, 1);
    // The other file's copies are its own.
    EXPECT_EQ(CopyNames(DatedCopiesAmong(names, "Household.old")),
              std::vector<std::string>{"Household.old.2026-12-07_045836.pwf"});
}

TEST(DatedCopyNames, ANameAlreadyThereGetsTheNextNumber) {
    EXPECT_EQ(FreeDatedCopyName({}, "Household", kMorning), "Household.2026-12-07_045836.pwf");
    EXPECT_EQ(FreeDatedCopyName({"HOUSEHOLD.2026-12-07_045836.pwf", "Household.2026-12-07_045836-2.pwf"},
                                "Household", kMorning),
              "Household.2026-12-07_045836-3.pwf");
}

TEST_F(DatedCopySaves, EachSaveKeepsTheFileAsItWasByRenamingIt) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    EXPECT_TRUE(Backups().empty());  // nothing was there to keep
    ASSERT_TRUE(SaveAt(Version("second"), {2026, 12, 7, 5, 0, 0}));
    ASSERT_TRUE(SaveAt(Version("third"), {2026, 12, 7, 5, 0, 0}));  // the same second
    EXPECT_EQ(Backups(), (std::vector<std::string>{"Household.2026-12-07_050000-2.pwf",
                                                   "Household.2026-12-07_050000.pwf"}));
    // Complete files that open on their own, with the password the file had.
    EXPECT_EQ(Loaded(scratch.File("Backups/Household.2026-12-07_050000.pwf")), Version("first"));
    EXPECT_EQ(Loaded(scratch.File("Backups/Household.2026-12-07_050000-2.pwf")), Version("second"));
    EXPECT_EQ(Loaded(dataFile), Version("third"));
    EXPECT_EQ(steps.moves, 2);
    EXPECT_EQ(steps.copies, 0);
    EXPECT_FALSE(IsFile(dataFile + ".saving"));
}

TEST_F(DatedCopySaves, OnlyTheNewestAreKeptAndOnlyThisFilesCopiesGo) {
    ASSERT_TRUE(MakeFolder(scratch.File("Backups")));
    const std::vector<std::string> others = {"Household2.2020-01-01_000000.pwf", "Household.2020-01-01_000000.bak",
                                             "Household.2020-01-01_000000-01.pwf", "notes.txt"};
    for (const std::string& name : others) WriteBytes(scratch.File("Backups/" + name), {1, 2, 3});
    for (const char* name : {"Household.2020-01-01_000000.pwf", "Household.2021-01-01_000000.pwf"})
        WriteBytes(scratch.File("Backups/" + std::string(name)), {4});
    ASSERT_TRUE(SaveAt(Version("old"), kMorning));
    ASSERT_TRUE(SaveAt(Version("new"), {2026, 12, 8, 0, 0, 0}, {.keep = true, .count = 2}));
    std::vector<std::string> expected = others;
    expected.push_back("Household.2021-01-01_000000.pwf");
    expected.push_back("Household.2026-12-08_000000.pwf");
    EXPECT_EQ(Backups(), Sorted(expected));
}

TEST_F(DatedCopySaves, OnAnotherVolumeTheOldFileIsCopied) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    sameVolume = false;
    ASSERT_TRUE(SaveAt(Version("second"), kMorning));
    EXPECT_EQ(steps.moves, 0);
    EXPECT_EQ(steps.copies, 1);
    EXPECT_EQ(Loaded(scratch.File("Backups/Household.2026-12-07_045836.pwf")), Version("first"));
    // A folder that refuses the rename gets a copy too.
    sameVolume = true;
    moveRefused = true;
    ASSERT_TRUE(SaveAt(Version("third"), kMorning));
    EXPECT_EQ(steps.copies, 2);
    EXPECT_EQ(Loaded(scratch.File("Backups/Household.2026-12-07_045836-2.pwf")), Version("second"));
    EXPECT_EQ(Loaded(dataFile), Version("third"));
}

TEST_F(DatedCopySaves, AFailedSaveMakesNoCopyAndLeavesTheOldFileWhole) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    const ByteVector before = ReadBytes(dataFile);
    vanishingTemporary = dataFile + ".saving";
    EXPECT_FALSE(SaveAt(Version("second"), kMorning));
    EXPECT_EQ(ReadBytes(dataFile), before);
    EXPECT_TRUE(Backups().empty());
}

TEST_F(DatedCopySaves, NoCopyWhenTheOptionIsOffOrTheFolderCannotBeMade) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    ASSERT_TRUE(SaveAt(Version("second"), kMorning, {.keep = false}));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("Backups")));
    // The chosen folder is a file: the save goes on without a copy.
    WriteBytes(scratch.File("blocker"), {0});
    ASSERT_TRUE(SaveAt(Version("third"), kMorning, {.keep = true, .count = 10, .folder = scratch.File("blocker")}));
    EXPECT_EQ(Loaded(dataFile), Version("third"));
    // A chosen folder that is missing is made.
    ASSERT_TRUE(SaveAt(Version("fourth"), kMorning, {.keep = true, .count = 10, .folder = scratch.File("Copies")}));
    EXPECT_EQ(FileNamesIn(scratch.File("Copies")), std::vector<std::string>{"Household.2026-12-07_045836.pwf"});
}

TEST(DatedCopyList, FileSizes) {
    const std::pair<std::uint64_t, const char*> cases[] = {{0, "0 KB"},          {1, "1 KB"},
                                                           {1024, "1 KB"},       {1025, "2 KB"},
                                                           {1048576, "1.0 MB"},  {98566144, "94.0 MB"}};
    for (const auto& [bytes, text] : cases) EXPECT_EQ(FileSizeText(bytes), text) << bytes;
}

TEST_F(DatedCopySaves, TheListShowsEachCopyNewestFirstFromItsHeads) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    ASSERT_TRUE(SaveAt(Version("second"), {2026, 12, 7, 5, 0, 0}));
    Document fewer = Version("third");
    fewer.RemoveAccount(2);
    ASSERT_TRUE(SaveAt(fewer, {2026, 12, 24, 18, 30, 5}));
    WriteBytes(scratch.File("Backups/Household.2026-12-25_000000.pwf"), {1, 2, 3});
    const std::vector<DatedCopyRow> rows = ListDatedCopies(dataFile, {}, kDateFormatEuropean);
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<std::vector<std::string>> expected = {{"25/12/2026 00:00:00", "", "(not readable)", ""},
                                                            {"24/12/2026 18:30:05", "2 KB", "3", "4"},
                                                            {"07/12/2026 05:00:00", "2 KB", "3", "4"}};
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(std::vector<std::string>(std::begin(rows[i].cells), std::end(rows[i].cells)), expected[i]) << i;
    EXPECT_EQ(rows[2].path, scratch.File("Backups/Household.2026-12-07_050000.pwf"));
}

TEST_F(DatedCopySaves, ARestoreKeepsTheDataItReplacesAsACopy) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    ASSERT_TRUE(SaveAt(Version("second"), {2026, 12, 7, 5, 0, 0}));
    const std::string oldest = scratch.File("Backups/Household.2026-12-07_050000.pwf");
    Document open = Version("open");
    LoadNotes notes;
    ASSERT_EQ(RestoreDatedCopy(open, dataFile, oldest, {}, {2026, 12, 8, 9, 0, 0}, notes, kNoPassword), DatedRestore::Restored);
    Document expected = Version("first");
    expected.password = "open";  // the data open keeps its password
    EXPECT_EQ(open, expected);
    EXPECT_EQ(Loaded(scratch.File("Backups/Household.2026-12-08_090000.pwf")), Version("open"));

    // A copy that is no data file leaves the data open as it was.
    WriteBytes(scratch.File("Backups/bad.pwf"), {1, 2, 3});
    EXPECT_EQ(RestoreDatedCopy(open, dataFile, scratch.File("Backups/bad.pwf"), {}, kMorning, notes, kNoPassword),
              DatedRestore::Unreadable);
    EXPECT_EQ(open, expected);
    // Where the data open cannot be kept, nothing is restored.
    WriteBytes(scratch.File("blocker"), {0});
    EXPECT_EQ(RestoreDatedCopy(open, dataFile, oldest, {.folder = scratch.File("blocker")}, kMorning, notes, kNoPassword),
              DatedRestore::NotKept);
    EXPECT_EQ(open, expected);
}

TEST_F(DatedCopySaves, ASavesLeftoverIsRemovedAndNeverTakenForACopy) {
    ASSERT_TRUE(SaveAt(Version("first"), kMorning));
    WriteBytes(dataFile + ".saving", {1, 2, 3});
    EXPECT_TRUE(DatedCopiesAmong(FileNamesIn(scratch.path), "Household").empty());
    RemoveSaveLeftover(dataFile);
    EXPECT_FALSE(IsFile(dataFile + ".saving"));
    EXPECT_EQ(Loaded(dataFile), Version("first"));
}
