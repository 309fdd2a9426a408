#include <filesystem>

#include "platform/platform_file.h"
#include "test_files.h"

TEST(DataFileLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    ScratchDir dir;
    const std::string path = dir.File("money.pwf");
    DataFileLock first, second;
    ASSERT_TRUE(first.Acquire(path));
    EXPECT_TRUE(std::filesystem::exists(path + kLockFileSuffix));
    EXPECT_FALSE(second.Acquire(path));
    EXPECT_FALSE(second.Acquire(path)) << "a refused try leaves the holder's lock alone";
    first.Reset();
    EXPECT_TRUE(second.Acquire(path));
    EXPECT_FALSE(first.Acquire(path));
}

TEST(DataFileLock, ReleasesWhenDestroyedOrMovedOverAndMovingHandsTheLockOver) {
    ScratchDir dir;
    const std::string path = dir.File("money.pwf");
    DataFileLock other;
    {
        DataFileLock held;
        ASSERT_TRUE(held.Acquire(path));
        DataFileLock moved(std::move(held));
        EXPECT_FALSE(held.IsFor(path));
        EXPECT_TRUE(moved.IsFor(path));
        EXPECT_FALSE(other.Acquire(path));
    }
    EXPECT_TRUE(other.Acquire(path));
    other = DataFileLock();
    DataFileLock again;
    EXPECT_TRUE(again.Acquire(path));
}

TEST(DataFileLock, LocksOfDifferentFilesAreIndependentAndAcquireLetsGoOfTheLastOne) {
    ScratchDir dir;
    DataFileLock first, second;
    ASSERT_TRUE(first.Acquire(dir.File("home.pwf")));
    EXPECT_TRUE(second.Acquire(dir.File("work.pwf")));
    EXPECT_TRUE(first.Acquire(dir.File("club.pwf")));  // home.pwf is let go
    DataFileLock third;
    EXPECT_TRUE(third.Acquire(dir.File("home.pwf")));
}

TEST(DataFileLock, IsForTheSameLockFileUnderAnyNameOnly) {
    ScratchDir dir;
    const std::string path = dir.File("money.pwf");
    DataFileLock lock;
    EXPECT_FALSE(lock.IsFor(path)) << "holding nothing";
    ASSERT_TRUE(lock.Acquire(path));
    EXPECT_TRUE(lock.IsFor(path));
    EXPECT_TRUE(lock.IsFor(dir.path + "/./money.pwf"));
    EXPECT_FALSE(lock.IsFor(dir.File("other.pwf")));
    EXPECT_FALSE(lock.IsFor(dir.File("missing/money.pwf")));
}

TEST(DataFileLock, ALockFileLeftBehindIsTakenOverAndNoneWhereNoneCanBeMade) {
    ScratchDir dir;
    const std::string path = dir.File("money.pwf");
    WriteBytes(path + kLockFileSuffix, {});  // as a holder that ended leaves it
    DataFileLock lock;
    EXPECT_TRUE(lock.Acquire(path));
    EXPECT_TRUE(lock.IsFor(path));
    // A missing folder stands for any place where no file can be made.
    const std::string nowhere = dir.File("missing/money.pwf");
    EXPECT_TRUE(lock.Acquire(nowhere));
    EXPECT_FALSE(lock.IsFor(nowhere));
    DataFileLock other;
    EXPECT_TRUE(other.Acquire(path)) << "the earlier lock was let go";
}
