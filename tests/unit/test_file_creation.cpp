// Every write that goes through a working or temporary file creates it under a name no
// existing file or link can take, and a link where the file belongs is replaced, never
// written through. Reads never wait on a FIFO nor swallow a file of any size.
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "test_helpers.h"
#include "update/curl/curl_fetcher.h"
#include "update_test_site.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavu {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

namespace {

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string reasonOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const DataError& e) {
        return e.reason();
    }
    return "(no error)";
}

} // namespace

TEST(FileCreation, TheCipherNeverWritesThroughALinkAtItsOldWorkingName) {
    TempDir dir;
    fs::create_directories(dir / "data");
    fs::path victim = dir / "victim.txt";
    writeBytes(victim, "precious");
    fs::path file = dir / "data" / "system.tri";
    SettingsArray settings{};
    settings[58] = 7;
    SaveSettings(file, settings);
    fs::create_symlink(victim, dir / "data" / "system.$$$");

    ASSERT_EQ(UnlockDataFile(file, SettingsKey, false), Unlocked);
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(readBytes(file), formatSettings(settings));
    ASSERT_TRUE(LockDataFile(file, SettingsKey, false));
    EXPECT_FALSE(fs::is_symlink(file));
    EXPECT_EQ(readSettingsReadOnly(file), settings);

    EXPECT_EQ(readBytes(victim), "precious");
    EXPECT_EQ(namesIn(dir / "data"), (std::vector<std::string>{"system.$$$", "system.tri"}));
}

TEST(FileCreation, ALinkWhereTheFileBelongsIsReplacedNotWrittenThrough) {
    TempDir dir;
    fs::path victim = dir / "victim.txt";
    writeBytes(victim, "precious");
    for (const char* name : {"system.tri", "result.txt", "kept.org"})
        fs::create_symlink(victim, dir / name);

    SaveSettings(dir / "system.tri", SettingsArray{});
    writeFileAtomically(dir / "result.txt", "result\r\n");
    writeBytes(dir / "kept.tri", "plain");
    ASSERT_TRUE(LockDataFile(dir / "kept.tri", SettingsKey, true));

    EXPECT_EQ(readBytes(victim), "precious");
    for (const char* name : {"system.tri", "result.txt", "kept.org"})
        EXPECT_FALSE(fs::is_symlink(dir / name)) << name;
    EXPECT_EQ(readBytes(dir / "result.txt"), "result\r\n");
    EXPECT_EQ(readBytes(dir / "kept.org"), "plain");
}

TEST(FileCreation, ReadsRefuseFoldersFifosAndOversizedFilesWithAReason) {
    TempDir dir;
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0); // nobody ever writes to it
    writeBytes(dir / "big", std::string(1001, 'x'));

    EXPECT_NE(reasonOf([&] { readWholeFile(dir / "folder"); }).find("フォルダ"), std::string::npos);
    EXPECT_NE(reasonOf([&] { readWholeFile(dir / "fifo"); }).find("通常のファイルではありません"),
              std::string::npos);
    EXPECT_NE(
        reasonOf([&] { readWholeFile(dir / "big", 1000); }).find("大きすぎます (1001 バイト、上限 1000"),
        std::string::npos);
    EXPECT_EQ(readWholeFile(dir / "big", 1001).size(), 1001u);
    EXPECT_NE(reasonOf([&] { readWholeFile(dir / "absent"); }).find("見つかりません"), std::string::npos);
}

TEST(FileCreation, AFetchNeverWritesThroughALinkAtItsTarget) {
    TempDir dir;
    fs::create_directories(dir / "served");
    writeBytes(dir / "served" / "Comment.tri", "from the site");
    test::LoopbackSite site(dir / "served");
    fs::path victim = dir / "victim.txt";
    writeBytes(victim, "precious");
    fs::create_symlink(victim, dir / "Comment.tri");

    CurlFetcher fetcher;
    std::atomic<bool> cancel{false};
    FetchResult result = fetcher.fetch(site.baseUrl() + "Comment.tri", dir / "Comment.tri", cancel);
    EXPECT_EQ(result.status, FetchResult::Failed);
    EXPECT_NE(result.reason.find("既にあります"), std::string::npos) << result.reason;
    EXPECT_EQ(readBytes(victim), "precious");
    EXPECT_TRUE(fs::is_symlink(dir / "Comment.tri")); // not ours to remove
}

} // namespace tavu
