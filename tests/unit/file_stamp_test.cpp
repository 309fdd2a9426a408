#include <chrono>
#include <filesystem>

#include "model/file/file_stamp.h"
#include "test_files.h"

namespace {

// The file at `path`, stamped, then changed by `change`: whether a save would
// ask first.
struct StampCase {
    const char* name;
    void (*change)(const std::string& path);
    bool changed;
};

ByteVector Contents(std::size_t size, unsigned char fill) { return ByteVector(size, fill); }

// Rewrites the file with `bytes`, keeping its last-write time.
void RewriteKeepingTime(const std::string& path, const ByteVector& bytes) {
    const auto time = std::filesystem::last_write_time(path);
    WriteBytes(path, bytes);
    std::filesystem::last_write_time(path, time);
}

}  // namespace

TEST(FileStamp, TellsWhatChangedOnDiskSinceTheStampWasTaken) {
    constexpr std::size_t kSize = kStampedBlockBytes + 100;
    const StampCase cases[] = {
        {"unchanged", [](const std::string&) {}, false},
        {"rewritten with the same bytes and time", [](const std::string& path) {
             RewriteKeepingTime(path, Contents(kSize, 'a'));
         }, false},
        {"size changed", [](const std::string& path) { RewriteKeepingTime(path, Contents(kSize + 1, 'a')); }, true},
        {"time changed", [](const std::string& path) {
             std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
         }, true},
        {"first block changed, same size and time", [](const std::string& path) {
             ByteVector bytes = Contents(kSize, 'a');
             bytes[kStampedBlockBytes - 1] = 'b';
             RewriteKeepingTime(path, bytes);
         }, true},
        {"only past the first block changed", [](const std::string& path) {
             ByteVector bytes = Contents(kSize, 'a');
             bytes[kStampedBlockBytes] = 'b';
             RewriteKeepingTime(path, bytes);
         }, false},
        {"deleted: written again without asking", [](const std::string& path) { std::filesystem::remove(path); }, false},
        {"a folder in its place", [](const std::string& path) {
             std::filesystem::remove(path);
             std::filesystem::create_directory(path);
         }, true},
    };
    for (const StampCase& c : cases) {
        ScratchDir dir;
        const std::string path = dir.File("money.pwf");
        WriteBytes(path, Contents(kSize, 'a'));
        const FileStamp stamp = TakeFileStamp(path);
        EXPECT_TRUE(stamp.present);
        c.change(path);
        EXPECT_EQ(ChangedOnDisk(stamp, path), c.changed) << c.name;
    }
}

TEST(FileStamp, AStampOfNoFileSeesAFileMadeSinceAndNotItsAbsence) {
    ScratchDir dir;
    const std::string path = dir.File("new.pwf");
    const FileStamp none = TakeFileStamp(path);
    EXPECT_FALSE(none.present);
    EXPECT_FALSE(ChangedOnDisk(none, path));
    WriteBytes(path, {});
    EXPECT_TRUE(ChangedOnDisk(none, path)) << "even an empty file";
    const FileStamp empty = TakeFileStamp(path);
    EXPECT_TRUE(empty.present);
    EXPECT_FALSE(ChangedOnDisk(empty, path));
}

TEST(FileStamp, AStampTakenAfterASaveDescribesTheNewFile) {
    ScratchDir dir;
    const std::string path = dir.File("money.pwf");
    ASSERT_TRUE(MakeSampleDocument().Save(path));
    const FileStamp first = TakeFileStamp(path);
    Document bigger = MakeSampleDocument();
    bigger.AddCategory("Travel");
    ASSERT_TRUE(bigger.Save(path));  // replaces the file by a rename
    EXPECT_TRUE(ChangedOnDisk(first, path));
    EXPECT_FALSE(ChangedOnDisk(TakeFileStamp(path), path));
}
