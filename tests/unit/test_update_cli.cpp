#include "store/settings.h"
#include "store/settings_entries.h"
#include "support/data_folder_use.h"
#include "support/site_publish.h"
#include "test_helpers.h"
#include "update_test_site.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace tavu {

namespace fs = std::filesystem;
using test::TempDir;

namespace {

struct CliRun {
    int exitCode;
    std::string out;
};

// Runs tavu-cli with stdin from `input`, collecting stdout and stderr.
CliRun runCli(const std::string& args, const std::string& input = "") {
    std::string command = "printf '" + input + "' | " TAVU_CLI " " + args + " 2>&1";
    CliRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

class UpdateCliTest : public ::testing::Test {
protected:
    UpdateCliTest() {
        test::makeSystemFolder(systemDir, 4, "old");
        test::makeSystemFolder(dir / "source", 4, "new");
    }

    std::string updateArgs(const std::string& url) const {
        return "--system " + quoted(systemDir) + " update --no-wait --url " + url;
    }

    TempDir dir;
    fs::path systemDir = dir / "app" / "system";
};

} // namespace

TEST_F(UpdateCliTest, PublishedSiteIsDownloadedOnceThenUpToDate) {
    CliRun publish = runCli("--system " + quoted(dir / "source") + " publish --out " + quoted(dir / "site") +
                            " --version 9");
    ASSERT_EQ(publish.exitCode, 0) << publish.out;
    EXPECT_EQ(test::readBytes(siteFilesDir(dir / "site") / "temp.tri"), "9\r\n");

    test::LoopbackSite site(siteFilesDir(dir / "site"));
    CliRun update = runCli(updateArgs(site.baseUrl()) + " --yes");
    ASSERT_EQ(update.exitCode, 0) << update.out;
    EXPECT_NE(update.out.find("システムファイルのダウンロードが成功しました。"), std::string::npos);
    EXPECT_EQ(readSettingsReadOnly(systemDir / "system.tri")[entry::DataVersion], 9);
    EXPECT_EQ(test::readBytes(systemDir / "RM_02.tri"),
              test::readBytes(siteFilesDir(dir / "site") / "RM_02.tri"));
    EXPECT_EQ(test::readBytes(systemDir / "Comment.tri"),
              test::readBytes(siteFilesDir(dir / "site") / "Comment.tri"));

    CliRun again = runCli(updateArgs(site.baseUrl()));
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("ご使用のシステムは最新に保たれております"), std::string::npos);
}

TEST_F(UpdateCliTest, DecliningOrFailingChangesNothingAndSaysSoInTheExitCode) {
    publishSite(readSystemFolder(dir / "source"), dir / "site", 5);
    test::LoopbackSite site(siteFilesDir(dir / "site"));
    auto before = test::snapshotFolder(systemDir);

    CliRun declined = runCli(updateArgs(site.baseUrl()), "n\\n");
    EXPECT_EQ(declined.exitCode, 3);
    EXPECT_NE(declined.out.find("ダウンロードを中止しました"), std::string::npos);

    fs::remove(siteFilesDir(dir / "site") / "RM_08.tri");
    EXPECT_EQ(runCli(updateArgs(site.baseUrl()) + " --yes").exitCode, 4);
    std::string gone = site.baseUrl();
    site.stop();
    EXPECT_EQ(runCli(updateArgs(gone)).exitCode, 4);
    EXPECT_EQ(test::snapshotFolder(systemDir), before);

    EXPECT_EQ(runCli("--system " + quoted(dir / "nowhere") + " update --url " + gone).exitCode, 1);
}

// A running window holds its folder; replacing it under the window would let the window save
// its old record counts over the new set.
TEST_F(UpdateCliTest, UpdateRefusesWhileAWindowHoldsTheSameFolder) {
    publishSite(readSystemFolder(dir / "source"), dir / "site", 9);
    test::LoopbackSite site(siteFilesDir(dir / "site"));
    auto before = test::snapshotFolder(systemDir);
    fs::create_directory_symlink(systemDir, dir / "link");
    {
        DataFolderUse window(systemDir);
        ASSERT_TRUE(window.held());
        for (const fs::path& named : {systemDir, dir / "link", systemDir / ".." / "system"}) {
            CliRun refused =
                runCli("--system " + quoted(named) + " update --no-wait --yes --url " + site.baseUrl());
            EXPECT_EQ(refused.exitCode, 5) << refused.out;
            EXPECT_NE(refused.out.find("ウィンドウ"), std::string::npos);
            EXPECT_NE(refused.out.find("使用中"), std::string::npos);
        }
        EXPECT_EQ(test::snapshotFolder(systemDir), before);
    }
    // Once the window is gone, only a window on another folder is left: no concern of this update.
    DataFolderUse elsewhere(dir / "source");
    CliRun update = runCli(updateArgs(site.baseUrl()) + " --yes");
    EXPECT_EQ(update.exitCode, 0) << update.out;
    EXPECT_EQ(readSettingsReadOnly(systemDir / "system.tri")[entry::DataVersion], 9);
}

TEST_F(UpdateCliTest, PublishRefusesAnIncompleteSource) {
    fs::remove(dir / "source" / "RM_Map.tri");
    CliRun publish = runCli("publish --from " + quoted(dir / "source") + " --out " + quoted(dir / "site"));
    EXPECT_EQ(publish.exitCode, 1);
    EXPECT_FALSE(fs::exists(siteFilesDir(dir / "site") / "temp.tri"));
}

} // namespace tavu
