// What a killed update leaves is cleared by the next start (the window's, `verify`'s or the
// next update's), and a download still running elsewhere keeps its files.
#include "cli_runner.h"
#include "startup/startup_files.h"
#include "test_helpers.h"
#include "update/staged_folder.h"
#include "update/update_lock.h"
#include "update_test_site.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeBytes;

namespace {

struct KilledUpdate {
    KilledUpdate() {
        test::makeSystemFolder(system, 3, "old");
        kept = test::snapshotFolder(system);
        writeBytes(system / "temp.tri", "4\r\n");              // the version file of older versions
        writeBytes(system / "system.tri.tavu-k7Qz2A", "half"); // a save cut short
        writeBytes(system / "notes.txt", "mine");              // the user's
        writeBytes(system / "system.tri.backup", "mine too");  // the user's: not a working name
        fs::create_directories(stagingDirFor(system));
        writeBytes(stagingDirFor(system) / "RM_01.tri", "half a download");
    }

    void expectCleared() {
        auto now = test::snapshotFolder(system);
        EXPECT_EQ(now.erase("notes.txt"), 1u);
        EXPECT_EQ(now.erase("system.tri.backup"), 1u);
        auto expected = kept;
        expected.erase("system.tri"); // start-up deciphers it in place
        now.erase("system.tri");
        EXPECT_EQ(now, expected);
        EXPECT_FALSE(fs::exists(stagingDirFor(system)));
        EXPECT_FALSE(fs::exists(previousDirFor(system)));
    }

    TempDir dir;
    fs::path system = dir / "system";
    std::map<std::string, std::string> kept;
};

} // namespace

TEST(UpdateLeftovers, StartUpClearsThemAndKeepsTheUsersFiles) {
    KilledUpdate killed;
    StartupFiles files = readStartupFiles(killed.system);
    EXPECT_EQ(files.reached, StartupFiles::Reached::TablesRead) << files.error;
    EXPECT_EQ(files.notice, "");
    killed.expectCleared();
}

TEST(UpdateLeftovers, AMissingFolderWithTheKeptOldSetIsPutBackAndSaid) {
    KilledUpdate killed;
    fs::rename(killed.system, previousDirFor(killed.system)); // killed between the two renames
    StartupFiles files = readStartupFiles(killed.system);
    EXPECT_EQ(files.reached, StartupFiles::Reached::TablesRead) << files.error;
    EXPECT_NE(files.notice.find("元のデータを戻しました"), std::string::npos) << files.notice;
    EXPECT_NE(files.notice.find(previousDirFor(killed.system).string()), std::string::npos) << files.notice;
    killed.expectCleared();

    fs::rename(killed.system, previousDirFor(killed.system));
    test::CliRun verify = test::runCli({"--system", killed.system.string(), "verify"});
    EXPECT_EQ(verify.exitCode, 0) << verify.err;
    EXPECT_NE(verify.err.find("元のデータを戻しました"), std::string::npos) << verify.err;
    EXPECT_EQ(verify.err.find("フォルダがありません"), std::string::npos) << verify.err;
}

TEST(UpdateLeftovers, ARunningDownloadKeepsItsStagingFolder) {
    KilledUpdate running;
    UpdateLock download(running.system);
    ASSERT_TRUE(download.acquired());
    EXPECT_EQ(clearUpdateLeftovers(running.system), "");
    EXPECT_TRUE(fs::exists(stagingDirFor(running.system) / "RM_01.tri"));
}

TEST(UpdateLeftovers, MissingFilesAreNamedWithTheirPathAndWhatIsWrong) {
    TempDir dir;
    fs::path system = test::copyBundledSystem(dir.path());
    fs::remove(system / "RM_05.tri");
    fs::create_directory(system / "RM_05.tri");
    StartupFiles files = readStartupFiles(system);
    EXPECT_EQ(files.reached, StartupFiles::Reached::MissingFile);
    EXPECT_NE(files.error.find((system / "RM_05.tri").string()), std::string::npos) << files.error;
    EXPECT_NE(files.error.find("フォルダになっています"), std::string::npos) << files.error;
}

} // namespace tavu
