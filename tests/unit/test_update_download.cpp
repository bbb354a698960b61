#include "dataset/site_publish.h"
#include "download_fixture.h"
#include "store/cipher.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "test_helpers.h"
#include "update/curl/curl_fetcher.h"
#include "update/download_sequence.h"
#include "update/staged_folder.h"
#include "update/update_check.h"
#include "update/update_lock.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <thread>

namespace tavu {

namespace fs = std::filesystem;
using test::LoopbackSite;
using test::Misbehaviour;
using test::TempDir;
using test::writeBytes;

namespace {
class DownloadTest : public test::DownloadFixture {};
} // namespace

TEST_F(DownloadTest, NewerSetReplacesTheWholeFolderWithTheStepsAndPauses) {
    writeBytes(systemDir / "my_notes.txt", "keep me");
    DownloadResult result = download();
    ASSERT_EQ(result.outcome, DownloadResult::Succeeded) << result.failedFile << ": " << result.reason;

    std::vector<int> expected(DownloadProgressMax + 1);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(recorder.positions, expected); // Explanation_8 adds no step, so each value comes once
    EXPECT_EQ(recorder.pauses, (std::vector<int>{1200, 1000, 2000, 2000}));
    EXPECT_EQ(recorder.memo, (std::vector<std::string>{
                                 "システムファイルのダウンロードが成功しました。",
                                 "全ての設定が一度初期化されます。",
                                 "",
                                 "TAVU を再起動して下さい。",
                                 "（そのままプログラムを使いつづけると、エラーが発生する場合がございます）",
                             }));

    for (const auto& file : downloadFiles())
        EXPECT_EQ(test::readBytes(systemDir / file.name), test::readBytes(served(file.name))) << file.name;
    EXPECT_EQ(test::readBytes(systemDir / "my_notes.txt"), "keep me");
    EXPECT_EQ(test::readBytes(systemDir / "system.tri").substr(2, 6), "LOCKED");
    EXPECT_EQ(readSettingsReadOnly(systemDir / "system.tri")[entry::DataVersion], 6);
    EXPECT_EQ(result.settings[entry::DataVersion], 6);
    EXPECT_FALSE(fs::exists(stagingDirFor(systemDir)));
    EXPECT_FALSE(fs::exists(previousDirFor(systemDir)));

    std::atomic<bool> cancel{false};
    CheckResult again = checkForUpdate(config, fetcher, result.settings[entry::DataVersion], cancel);
    EXPECT_EQ(again.outcome, CheckResult::UpToDate);
    EXPECT_FALSE(fs::exists(systemDir / "temp.tri"));
}

TEST_F(DownloadTest, PlainSettingsFromTheSiteArriveLocked) {
    writeBytes(served("system.tri"), formatSettings(readSettingsReadOnly(served("system.tri"))));
    ASSERT_EQ(download().outcome, DownloadResult::Succeeded);
    EXPECT_EQ(test::readBytes(systemDir / "system.tri").substr(2, 6), "LOCKED");
}

TEST_F(DownloadTest, LeftOversOfACrashAreClearedFirst) {
    fs::create_directories(stagingDirFor(systemDir));
    writeBytes(stagingDirFor(systemDir) / "Comment.tri", "stale");
    fs::rename(systemDir, previousDirFor(systemDir)); // the crash came between the two renames
    ASSERT_EQ(download().outcome, DownloadResult::Succeeded);
    EXPECT_EQ(test::readBytes(systemDir / "Comment.tri"), test::readBytes(served("Comment.tri")));
    EXPECT_FALSE(fs::exists(previousDirFor(systemDir)));
}

TEST_F(DownloadTest, CancelMidwayKeepsTheOldSet) {
    cancelAtProgress = 3;
    DownloadResult result = download();
    EXPECT_EQ(result.outcome, DownloadResult::Cancelled);
    EXPECT_EQ(recorder.positions.back(), 3);
    EXPECT_EQ(recorder.memo.front(), "システムファイルのダウンロードを中止しました。");
    expectNothingChanged();
}

// The window runs the sequence on a worker and cancels it when its progress window closes;
// the real pauses (seven seconds in all) must give way to the cancel.
TEST_F(DownloadTest, CancelFromAnotherThreadCutsAPauseShort) {
    config.pause = pauseUnlessCancelled;
    DownloadSequence sequence(config, announced, fetcher, recorder);
    std::thread worker([&sequence] { sequence.run(); });
    while (recorder.pausesSeen() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    sequence.cancel();
    worker.join();
    EXPECT_EQ(sequence.result().outcome, DownloadResult::Cancelled);
    EXPECT_EQ(recorder.positions.back(), 1); // stopped in the pause after Comment.tri
    expectNothingChanged();
}

TEST_F(DownloadTest, ASecondDownloadLeavesTheFirstOneAlone) {
    UpdateLock first(systemDir);
    ASSERT_TRUE(first.acquired());
    fs::create_directories(stagingDirFor(systemDir));
    writeBytes(stagingDirFor(systemDir) / "Comment.tri", "being fetched");
    DownloadResult result = download();
    EXPECT_EQ(result.outcome, DownloadResult::Failed);
    EXPECT_NE(result.reason.find("別のダウンロードが実行中です"), std::string::npos) << result.reason;
    EXPECT_EQ(test::readBytes(stagingDirFor(systemDir) / "Comment.tri"), "being fetched");
    EXPECT_EQ(test::snapshotFolder(systemDir), before);
    EXPECT_EQ(site.requests(), 0);
}

struct FailureCase {
    const char* title;
    std::function<void(DownloadTest&, LoopbackSite&, const fs::path&)> breakSite;
    const char* failedFile;
    const char* reasonPart;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.title;
}

class DownloadFailure : public DownloadTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DownloadFailure, LeavesTheOldSetByteForByteAndSaysWhatFailed) {
    GetParam().breakSite(*this, site, siteFilesDir(dir / "site"));
    DownloadResult result = download();
    EXPECT_EQ(result.outcome, DownloadResult::Failed);
    EXPECT_EQ(result.failedFile, GetParam().failedFile);
    EXPECT_NE(result.reason.find(GetParam().reasonPart), std::string::npos) << result.reason;
    EXPECT_EQ(recorder.memo.front(), "システムファイルのダウンロードに失敗しました。");
    EXPECT_EQ(recorder.memo[1], std::string("失敗したファイル: ") + GetParam().failedFile);
    expectNothingChanged();
}

const FailureCase failureCases[] = {
    {"FileMissingMidway",
     [](DownloadTest&, LoopbackSite&, const fs::path& s) { fs::remove(s / "RM_03.tri"); }, "RM_03.tri",
     "HTTP 404"},
    {"TruncatedBody",
     [](DownloadTest&, LoopbackSite& site, const fs::path&) {
         site.misbehave("RM_05.tri", Misbehaviour::Truncated);
     },
     "RM_05.tri", "途切れ"},
    {"StalledServer",
     [](DownloadTest&, LoopbackSite& site, const fs::path&) {
         site.misbehave("Explanation_3.tri", Misbehaviour::Stall);
     },
     "Explanation_3.tri", "止まった"},
    {"FileOverTheCap",
     [](DownloadTest&, LoopbackSite&, const fs::path& s) {
         writeBytes(s / "RM_06.tri", std::string(70000, 'x'));
     },
     "RM_06.tri", "大きすぎ"},
    {"UnboundedFileOverTheCap",
     [](DownloadTest&, LoopbackSite& site, const fs::path& s) {
         writeBytes(s / "RM_07.tri", std::string(70000, 'x'));
         site.misbehave("RM_07.tri", Misbehaviour::Chunked);
     },
     "RM_07.tri", "大きすぎ"},
    {"ServerGoingAway",
     [](DownloadTest& t, LoopbackSite& site, const fs::path&) {
         t.recorder.onProgress = [&site](int p) {
             if (p == 5)
                 site.stop();
         };
     },
     "Explanation_2.tri", "接続できません"},
    {"SettingsShortOfLines",
     [](DownloadTest&, LoopbackSite&, const fs::path& s) {
         writeBytes(s / "system.tri", "1\r\n2\r\n");
         LockDataFile(s / "system.tri", SettingsKey, false);
     },
     "system.tri", "足りません"},
    // The fault of old: new counts over old tables made every later start read garbage.
    {"CountsOutOfStepWithTheTables",
     [](DownloadTest&, LoopbackSite&, const fs::path& s) {
         SettingsArray settings = readSettingsReadOnly(s / "system.tri");
         settings[entry::NoneCreatureCount] += 1;
         SaveSettings(s / "system.tri", settings);
     },
     "system.tri", "RM_01"},
    {"SettingsLockedWithAnotherKey",
     [](DownloadTest&, LoopbackSite&, const fs::path& s) { LockDataFile(s / "system.tri", "ABCD", false); },
     "system.tri", "整数ではない"},
};

INSTANTIATE_TEST_SUITE_P(Site, DownloadFailure, ::testing::ValuesIn(failureCases),
                         [](const auto& param) { return std::string(param.param.title); });

} // namespace tavu
