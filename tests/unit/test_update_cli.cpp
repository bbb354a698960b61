#include "cli_runner.h"
#include "dataset/data_build.h"
#include "dataset/site_publish.h"
#include "startup/data_folder_use.h"
#include "store/cipher.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"
#include "update_test_site.h"

#include <gtest/gtest.h>
#include <set>

namespace tavu {

namespace fs = std::filesystem;
using test::runCli;
using test::TempDir;

namespace {

test::CliCall answering(std::string input) {
    test::CliCall call;
    call.input = std::move(input);
    return call;
}

test::CliCall inFolder(fs::path cwd) {
    test::CliCall call;
    call.cwd = std::move(cwd);
    return call;
}

class UpdateCliTest : public ::testing::Test {
protected:
    UpdateCliTest() {
        test::makeSystemFolder(systemDir, 4, "old");
        test::makeSystemFolder(source, 9, "new");
    }

    test::CliRun update(const std::string& system, const std::string& url, const test::CliCall& call = {}) {
        return runCli({"--system", system, "update", "--no-wait", "--url", url}, call);
    }

    std::int32_t installedVersion() const {
        return readSettingsReadOnly(systemDir / SettingsFileName)[entry::DataVersion];
    }

    fs::path siteFiles() const { return siteFilesDir(dir / "site"); }

    TempDir dir;
    fs::path systemDir = dir / "app" / "system";
    fs::path source = dir / "source";
};

// The folder's files byte for byte plus the version file, and nothing else.
void expectPublishedAsIs(const fs::path& folder, const fs::path& site, const std::string& version) {
    auto published = test::snapshotFolder(site);
    EXPECT_EQ(published.size(), requiredSystemFiles().size() + 1);
    for (const auto& name : requiredSystemFiles())
        EXPECT_EQ(published[name], test::readBytes(folder / name)) << name;
    EXPECT_EQ(published["temp.tri"], version + "\r\n");
}

} // namespace

TEST_F(UpdateCliTest, PublishedFolderIsDownloadedOnceThenUpToDate) {
    test::writeBytes(source / "notes.txt", "not part of the set");
    test::writeBytes(source / "temp.tri", "77\r\n"); // left by an earlier check
    auto publish = runCli({"publish", "--out", (dir / "site").string(), "--system", source.string()});
    ASSERT_EQ(publish.exitCode, 0) << publish.err;
    expectPublishedAsIs(source, siteFiles(), "9");

    test::LoopbackSite site(siteFiles());
    auto installed = update(systemDir.string(), site.baseUrl(), answering("y\n"));
    ASSERT_EQ(installed.exitCode, 0) << installed.out << installed.err;
    EXPECT_NE(installed.out.find("システムファイルのダウンロードが成功しました。"), std::string::npos);
    EXPECT_EQ(installedVersion(), 9);
    for (const char* name : {"RM_02.tri", "Comment.tri", "Explanation_1.tri"})
        EXPECT_EQ(test::readBytes(systemDir / name), test::readBytes(source / name)) << name;

    auto again = update(systemDir.string(), site.baseUrl());
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("ご使用のシステムは最新に保たれております"), std::string::npos);
}

// The staging and previous folders are named after the data folder's parent and name, so a
// name as typed (".", a trailing slash, "..") must name the same place.
TEST_F(UpdateCliTest, DataFolderNamedRelativelyIsUpdatedInPlace) {
    publishSite(readSystemFolder(source), dir / "site");
    test::LoopbackSite site(siteFiles());
    const std::pair<fs::path, std::string> namings[] = {
        {systemDir, "."},
        {systemDir, "./"},
        {dir / "app", "../app/system/"},
    };
    for (const auto& [cwd, name] : namings) {
        test::makeSystemFolder(systemDir, 4, "old");
        auto run = runCli({"--system", name, "update", "--yes", "--no-wait", "--url", site.baseUrl()},
                          inFolder(cwd));
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.out << run.err;
        EXPECT_EQ(installedVersion(), 9) << name;
        EXPECT_EQ(test::readBytes(systemDir / "Comment.tri"), test::readBytes(source / "Comment.tri"))
            << name;
        // Nothing left beside it, nothing inside it.
        std::set<std::string> beside;
        for (const auto& entry : fs::directory_iterator(dir / "app"))
            beside.insert(entry.path().filename().string());
        EXPECT_EQ(beside, std::set<std::string>{"system"}) << name;
        for (const auto& entry : fs::directory_iterator(systemDir))
            EXPECT_FALSE(entry.is_directory()) << name << ": " << entry.path();
    }
}

TEST_F(UpdateCliTest, DecliningOrFailingChangesNothingAndSaysSoInTheExitCode) {
    publishSite(readSystemFolder(source), dir / "site");
    test::LoopbackSite site(siteFiles());
    auto before = test::snapshotFolder(systemDir);

    auto declined = update(systemDir.string(), site.baseUrl(), answering("n\n"));
    EXPECT_EQ(declined.exitCode, 3);
    EXPECT_NE(declined.out.find("ダウンロードを中止しました"), std::string::npos);
    EXPECT_EQ(update(systemDir.string(), site.baseUrl()).exitCode, 3); // nobody to answer

    fs::remove(siteFiles() / "RM_08.tri");
    EXPECT_EQ(update(systemDir.string(), site.baseUrl(), answering("y\n")).exitCode, 4);
    std::string gone = site.baseUrl();
    site.stop();
    EXPECT_EQ(update(systemDir.string(), gone).exitCode, 4);
    EXPECT_EQ(test::snapshotFolder(systemDir), before);

    EXPECT_EQ(update((dir / "nowhere").string(), gone).exitCode, 1);
}

TEST_F(UpdateCliTest, PublishRefusesAFolderThatWouldNotPassTheCheck) {
    fs::remove(source / "RM_Map.tri");
    auto missing = runCli({"--system", source.string(), "publish", "--out", (dir / "site").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("RM_Map.tri"), std::string::npos) << missing.err;
    EXPECT_FALSE(fs::exists(siteFiles() / "temp.tri"));
}

// A program moved to another machine publishes the folder beside it: nothing of the
// machine that built it is looked for.
TEST_F(UpdateCliTest, PublishWithoutFolderTakesTheOneBesideTheProgram) {
    const fs::path moved = dir / "moved";
    fs::create_directories(moved);
    fs::copy_file(TAVU_CLI, moved / "tavu-cli");
    fs::copy(source, moved / "system", fs::copy_options::recursive);
    test::CliCall call = inFolder(dir.path());
    call.program = moved / "tavu-cli";
    auto publish = runCli({"publish", "--out", "site"}, call);
    ASSERT_EQ(publish.exitCode, 0) << publish.err;
    expectPublishedAsIs(source, siteFiles(), "9");
}

TEST_F(UpdateCliTest, PublishBuildsFromTheSourcesOnlyWhenAsked) {
    auto built = runCli(
        {"publish", "--sources", TAVU_DATA_SOURCES, "--version", "101", "--out", (dir / "site").string()});
    ASSERT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(test::readBytes(siteFiles() / "temp.tri"), "101\r\n");
    // The version is the one entry that differs from the set the build makes; the settings
    // keep their lock and its stored time.
    writeDataFolder(buildDataFiles(TAVU_DATA_SOURCES), dir / "built");
    SettingsArray expected = readSettingsReadOnly(dir / "built" / SettingsFileName);
    expected[entry::DataVersion] = 101;
    EXPECT_EQ(readSettingsReadOnly(siteFiles() / SettingsFileName), expected);
    EXPECT_EQ(test::readBytes(siteFiles() / SettingsFileName).substr(0, LockHeaderSize),
              test::readBytes(dir / "built" / SettingsFileName).substr(0, LockHeaderSize));
    for (const auto& name : requiredSystemFiles()) {
        if (name != SettingsFileName) {
            EXPECT_EQ(test::readBytes(siteFiles() / name), test::readBytes(dir / "built" / name)) << name;
        }
    }

    // A version only goes with a set being built; a folder is published as it is.
    const std::vector<std::string> refused[] = {
        {"--system", source.string(), "publish", "--version", "10", "--out", (dir / "other").string()},
        {"--system", source.string(), "publish", "--sources", TAVU_DATA_SOURCES, "--out",
         (dir / "other").string()},
    };
    for (const auto& args : refused) {
        auto run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_FALSE(fs::exists(dir / "other"));
    }
}

// A running window holds its folder; replacing it under the window would let the window save
// its old record counts over the new set.
TEST_F(UpdateCliTest, UpdateRefusesWhileAWindowHoldsTheSameFolder) {
    publishSite(readSystemFolder(source), dir / "site");
    test::LoopbackSite site(siteFiles());
    auto before = test::snapshotFolder(systemDir);
    fs::create_directory_symlink(systemDir, dir / "link");
    {
        DataFolderUse window(systemDir);
        ASSERT_TRUE(window.held());
        for (const fs::path& named : {systemDir, dir / "link", systemDir / ".." / "system"}) {
            auto refused =
                runCli({"--system", named.string(), "update", "--no-wait", "--yes", "--url", site.baseUrl()});
            EXPECT_EQ(refused.exitCode, 7) << refused.out;
            EXPECT_NE(refused.err.find("ウィンドウ"), std::string::npos);
            EXPECT_NE(refused.err.find("使用中"), std::string::npos);
        }
        EXPECT_EQ(test::snapshotFolder(systemDir), before);
    }
    // Once the window is gone, only a window on another folder is left: no concern of this update.
    DataFolderUse elsewhere(source);
    auto update =
        runCli({"--system", systemDir.string(), "update", "--no-wait", "--yes", "--url", site.baseUrl()});
    EXPECT_EQ(update.exitCode, 0) << update.out << update.err;
    EXPECT_EQ(installedVersion(), 9);
}

} // namespace tavu
