#include "store/data_error.h"
#include "test_helpers.h"
#include "update/staged_folder.h"
#include "update_test_site.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeBytes;

TEST(StagedFolder, SiblingsDoNotDependOnATrailingSlash) {
    EXPECT_EQ(stagingDirFor("/opt/tavu/system"), fs::path("/opt/tavu/system.staging"));
    EXPECT_EQ(stagingDirFor("/opt/tavu/system/"), fs::path("/opt/tavu/system.staging"));
    EXPECT_EQ(previousDirFor("/opt/tavu/system/"), fs::path("/opt/tavu/system.previous"));
}

TEST(StagedFolder, CheckNamesTheMissingOrUnreadableFile) {
    TempDir dir;
    fs::path staged = test::makeSystemFolder(dir / "staged", 3, "x");
    EXPECT_FALSE(checkStagedSystemFolder(staged));
    fs::remove(staged / "Explanation_4.tri");
    auto missing = checkStagedSystemFolder(staged);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->file, "Explanation_4.tri");

    test::makeSystemFolder(staged, 3, "x");
    writeBytes(staged / "system.tri", "not settings\r\n");
    auto unreadable = checkStagedSystemFolder(staged);
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->file, "system.tri");
    EXPECT_NE(unreadable->reason.find("1 行目"), std::string::npos) << unreadable->reason;
}

TEST(StagedFolder, FailedSecondRenamePutsTheOldSetBack) {
    TempDir dir;
    fs::path system = test::makeSystemFolder(dir / "system", 1, "old");
    fs::path staging = test::makeSystemFolder(stagingDirFor(system), 2, "new");
    auto before = test::snapshotFolder(system);
    int calls = 0;
    FolderRename failSecond = [&calls](const fs::path& from, const fs::path& to, std::error_code& ec) {
        if (++calls == 2)
            ec = std::make_error_code(std::errc::permission_denied);
        else
            renameFolder(from, to, ec);
    };
    EXPECT_THROW(swapInStagedFolder(system, staging, failSecond), DataError);
    EXPECT_EQ(calls, 3); // the undo ran
    EXPECT_EQ(test::snapshotFolder(system), before);
    EXPECT_FALSE(fs::exists(previousDirFor(system)));
}

TEST(StagedFolder, FailedFirstRenameChangesNothing) {
    TempDir dir;
    fs::path system = test::makeSystemFolder(dir / "system", 1, "old");
    fs::path staging = test::makeSystemFolder(stagingDirFor(system), 2, "new");
    auto before = test::snapshotFolder(system);
    FolderRename refuse = [](const fs::path&, const fs::path&, std::error_code& ec) {
        ec = std::make_error_code(std::errc::device_or_resource_busy);
    };
    EXPECT_THROW(swapInStagedFolder(system, staging, refuse), DataError);
    EXPECT_EQ(test::snapshotFolder(system), before);
}

TEST(StagedFolder, RecoveryFinishesAnInterruptedSwapEitherWay) {
    TempDir dir;
    fs::path system = test::makeSystemFolder(dir / "system", 1, "old");
    auto old = test::snapshotFolder(system);
    fs::rename(system, previousDirFor(system)); // crash after the first rename
    recoverInterruptedSwap(system);
    EXPECT_EQ(test::snapshotFolder(system), old);
    EXPECT_FALSE(fs::exists(previousDirFor(system)));

    fs::create_directories(previousDirFor(system)); // crash after the second rename
    recoverInterruptedSwap(system);
    EXPECT_EQ(test::snapshotFolder(system), old);
    EXPECT_FALSE(fs::exists(previousDirFor(system)));
}

TEST(StagedFolder, CarryOverCopiesOnlyWhatTheDownloadDoesNotBring) {
    TempDir dir;
    fs::path system = test::makeSystemFolder(dir / "system", 1, "old");
    fs::path staging = test::makeSystemFolder(dir / "staging", 2, "new");
    writeBytes(system / "notes.txt", "mine");
    writeBytes(system / "temp.tri", "9");
    fs::create_directories(system / "extra");
    writeBytes(system / "extra" / "a.txt", "a");
    std::string stagedTable = test::readBytes(staging / "RM_01.tri");
    carryOverOtherFiles(system, staging);
    EXPECT_EQ(test::readBytes(staging / "notes.txt"), "mine");
    EXPECT_EQ(test::readBytes(staging / "extra" / "a.txt"), "a");
    EXPECT_FALSE(fs::exists(staging / "temp.tri"));
    EXPECT_EQ(test::readBytes(staging / "RM_01.tri"), stagedTable);
    EXPECT_EQ(test::readBytes(staging / "Comment.tri"), test::readBytes(dir / "staging" / "Comment.tri"));
}

} // namespace tavu
