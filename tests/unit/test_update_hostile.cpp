// A hostile or broken site, and links planted in and around the data folder: after each the
// folder is as before or wholly new, nothing outside it was written, nothing is left over,
// and the message says what happened.
#include "cli_runner.h"
#include "dataset/site_publish.h"
#include "download_fixture.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "update/staged_folder.h"
#include "update/update_check.h"

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace tavu {

namespace fs = std::filesystem;
using test::Misbehaviour;
using test::readBytes;
using test::writeBytes;

namespace {

class HostileSite : public test::DownloadFixture {
protected:
    void expectFailure(const DownloadResult& result, const std::string& file, const std::string& reasonPart) {
        EXPECT_EQ(result.outcome, DownloadResult::Failed);
        EXPECT_EQ(result.failedFile, file);
        EXPECT_NE(result.reason.find(reasonPart), std::string::npos) << result.reason;
        expectNothingChanged();
    }

    // Files outside the data folder that a link points at; they must never change.
    fs::path victim = dir / "victim";
    fs::path victimFile = victim / "precious.txt";

    void makeVictim() {
        fs::create_directories(victim);
        writeBytes(victimFile, "precious");
    }
    void expectVictimUntouched() {
        EXPECT_EQ(test::snapshotFolder(victim),
                  (std::map<std::string, std::string>{{"precious.txt", "precious"}}));
    }
};

// Memory and time spent on a table follow its size limit, not what the site sends.
TEST_F(HostileSite, TablesOfLineEndsAreRefusedWithoutReadingThemWhole) {
    writeBytes(served("RM_06.tri"), std::string(16u << 20, '\n'));
    fetcher = CurlFetcher(FetchLimits{}); // the real 16 MiB cap: the table's own limit must bite first
    expectFailure(download(), "RM_06.tri", "大きすぎます");

    recorder.memo.clear();
    writeBytes(served("RM_06.tri"), std::string(256u << 10, '\n')); // exactly the limit: checked
    expectFailure(download(), "RM_06.tri", "空の行");
}

TEST_F(HostileSite, ATrickleEndsAtTheTimeLimitOfTheWholeDownload) {
    config.timeLimit = std::chrono::seconds(2);
    FetchLimits patient = test::testLimits();
    patient.stallTimeoutMs = 30000; // a byte now and then is never a stall
    fetcher = CurlFetcher(patient);
    site.misbehave("RM_03.tri", Misbehaviour::Trickle);
    auto start = std::chrono::steady_clock::now();
    DownloadResult result = download();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    expectFailure(result, "RM_03.tri", "制限時間 (2 秒)");
}

TEST_F(HostileSite, SettingsOfAnotherVersionThanAnnouncedAreRefused) {
    announced = 200; // temp.tri said 200; the set's entry 58 says 6
    expectFailure(download(), "system.tri", "(6) がサイトの知らせたバージョン (200)");
}

// Before, the set installed and every later check offered the announced version again.
TEST_F(HostileSite, TheCommandLineRefusesASetThatIsNotTheAnnouncedVersionToo) {
    writeBytes(served("temp.tri"), "200\r\n");
    test::CliRun run = test::runCli(
        {"--system", systemDir.string(), "update", "--yes", "--no-wait", "--url", site.baseUrl()});
    EXPECT_EQ(run.exitCode, 4) << run.out << run.err;
    EXPECT_NE(run.out.find("サイトの知らせたバージョン (200)"), std::string::npos) << run.out;
    EXPECT_EQ(test::snapshotFolder(systemDir), before);
    expectNothingBeside();
}

TEST_F(HostileSite, LinksPlantedInAndBesideTheFolderAreNeverWrittenThrough) {
    makeVictim();
    fs::create_symlink(victimFile, systemDir / "temp.tri");   // the version file of old
    fs::create_symlink(victimFile, systemDir / "system.$$$"); // the cipher's old working name
    fs::create_symlink(victim, stagingDirFor(systemDir));     // the staging folder
    fs::create_symlink(victim, previousDirFor(systemDir));    // the kept old set
    std::atomic<bool> cancel{false};
    ASSERT_EQ(checkForUpdate(config, fetcher, 5, cancel).outcome, CheckResult::Newer);
    DownloadResult result = download();
    ASSERT_EQ(result.outcome, DownloadResult::Succeeded) << result.failedFile << ": " << result.reason;
    expectVictimUntouched();
    EXPECT_EQ(readBytes(systemDir / "RM_01.tri"), readBytes(served("RM_01.tri")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(systemDir / "temp.tri")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(stagingDirFor(systemDir))));
}

TEST_F(HostileSite, TheUsersLinksTravelAsLinksAndOddFilesAreLeftWithANote) {
    makeVictim();
    fs::create_symlink(victim, systemDir / "docs");
    fs::create_symlink(".", systemDir / "self"); // copying what it points at would never end
    fs::create_directories(systemDir / "mine");
    fs::create_symlink("../RM_01.tri", systemDir / "mine" / "table");
    ASSERT_EQ(::mkfifo((systemDir / "pipe").c_str(), 0644), 0);
    DownloadResult result = download();
    ASSERT_EQ(result.outcome, DownloadResult::Succeeded) << result.failedFile << ": " << result.reason;
    EXPECT_EQ(fs::read_symlink(systemDir / "docs"), victim);
    EXPECT_EQ(fs::read_symlink(systemDir / "self"), fs::path("."));
    EXPECT_EQ(fs::read_symlink(systemDir / "mine" / "table"), fs::path("../RM_01.tri"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(systemDir / "pipe")));
    EXPECT_NE(recorder.memo.back().find("pipe"), std::string::npos) << recorder.memo.back();
    expectVictimUntouched();
    expectNothingBeside();
}

TEST_F(HostileSite, ASystemFolderThatIsALinkIsSwappedAsItsTarget) {
    fs::path real = dir / "elsewhere" / "data";
    fs::create_directories(real.parent_path());
    fs::rename(systemDir, real);
    fs::create_symlink(real, systemDir);
    DownloadResult result = download();
    ASSERT_EQ(result.outcome, DownloadResult::Succeeded) << result.failedFile << ": " << result.reason;
    ASSERT_TRUE(fs::is_symlink(systemDir));
    EXPECT_EQ(fs::read_symlink(systemDir), real);
    EXPECT_EQ(readBytes(real / "Comment.tri"), readBytes(served("Comment.tri")));
    std::vector<std::string> besideReal;
    for (const auto& entry : fs::directory_iterator(real.parent_path()))
        besideReal.push_back(entry.path().filename().string());
    EXPECT_EQ(besideReal, std::vector<std::string>{"data"});
}

class ExhaustedFetcher : public HttpFetcher {
protected:
    FetchResult fetchInto(const std::string&, const FetchTarget&, const std::atomic<bool>&,
                          const FetchBounds&) override {
        throw std::bad_alloc();
    }
};

TEST_F(HostileSite, RunningOutOfMemoryIsSaidInWords) {
    ExhaustedFetcher exhausted;
    DownloadSequence sequence(config, announced, exhausted, recorder);
    sequence.run();
    EXPECT_EQ(sequence.result().outcome, DownloadResult::Failed);
    EXPECT_NE(sequence.result().reason.find("メモリが足りない"), std::string::npos)
        << sequence.result().reason;
    expectNothingChanged();
}

// The check fetches into memory: it works whatever state the folder is in, and two checks
// at once no longer share (and delete) one file.
TEST_F(HostileSite, ChecksWriteNothingAndDoNotDisturbEachOther) {
    config.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    };
    std::atomic<bool> cancel{false};
    CheckResult first;
    std::thread other([&] { first = checkForUpdate(config, fetcher, 5, cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    CheckResult second = checkForUpdate(config, fetcher, 5, cancel);
    other.join();
    EXPECT_EQ(first.outcome, CheckResult::Newer);
    EXPECT_EQ(second.outcome, CheckResult::Newer);

    config.systemDir = dir / "not" / "there";
    EXPECT_EQ(checkForUpdate(config, fetcher, 5, cancel).outcome, CheckResult::Newer);
    EXPECT_FALSE(fs::exists(dir / "not"));
    EXPECT_EQ(test::snapshotFolder(systemDir), before);
}

TEST_F(HostileSite, AnOversizedVersionFileIsNotAVersion) {
    writeBytes(served("temp.tri"), "6" + std::string(5000, ' ') + "\r\n");
    std::atomic<bool> cancel{false};
    CheckResult result = checkForUpdate(config, fetcher, 5, cancel);
    EXPECT_EQ(result.outcome, CheckResult::FetchFailed);
    EXPECT_NE(result.messageLines().back().find("大きすぎます"), std::string::npos);
}

} // namespace

} // namespace tavu
