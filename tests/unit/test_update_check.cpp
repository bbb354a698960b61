#include "dataset/site_publish.h"
#include "test_helpers.h"
#include "update/curl/curl_fetcher.h"
#include "update/update_check.h"
#include "update_test_site.h"

#include <gtest/gtest.h>

namespace tavu {

using test::LoopbackSite;
using test::TempDir;
using test::writeBytes;

TEST(SiteVersion, ReadsTheFirstTenCharactersOfTheFirstLine) {
    EXPECT_EQ(parseSiteVersion("123"), 123);
    EXPECT_EQ(parseSiteVersion("123\r\n456\r\n"), 123);
    EXPECT_EQ(parseSiteVersion("12345678901"), 1234567890);
    EXPECT_EQ(parseSiteVersion("  7 \n"), 7);
    EXPECT_EQ(parseSiteVersion("\xEF\xBB\xBF"
                               "42\r\n"),
              42);
    EXPECT_EQ(parseSiteVersion("-3"), -3);
    EXPECT_EQ(parseSiteVersion("2147483647"), 2147483647);
}

TEST(SiteVersion, AnythingButANumberIsRejected) {
    for (const char* text : {"", "\r\n", "abc", "12a", "1 2", "+5", "9999999999", "<html>", "\r\n123"})
        EXPECT_FALSE(parseSiteVersion(text)) << '"' << text << '"';
}

namespace {

class UpdateCheckTest : public ::testing::Test {
protected:
    UpdateCheckTest() {
        test::makeSystemFolder(source, 7, "new");
        publishSite(readSystemFolder(source), dir / "site");
        std::filesystem::create_directories(systemDir);
        config.baseUrl = site.baseUrl();
        config.systemDir = systemDir;
        config.pause = [this](std::chrono::milliseconds ms, const std::atomic<bool>&) {
            pauses.push_back(ms);
        };
    }

    CheckResult check(std::int32_t installed) {
        CheckResult result = checkForUpdate(config, fetcher, installed, cancel);
        EXPECT_FALSE(std::filesystem::exists(systemDir / "temp.tri"));
        return result;
    }

    TempDir dir;
    std::filesystem::path source = dir / "source";
    std::filesystem::path systemDir = dir / "app" / "system";
    LoopbackSite site{siteFilesDir(dir / "site")};
    CurlFetcher fetcher;
    UpdateConfig config;
    std::atomic<bool> cancel{false};
    std::vector<std::chrono::milliseconds> pauses;
};

} // namespace

TEST_F(UpdateCheckTest, OnlyAStrictlyGreaterSiteVersionIsNewer) {
    CheckResult newer = check(6);
    EXPECT_EQ(newer.outcome, CheckResult::Newer);
    EXPECT_EQ(newer.siteVersion, 7);
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(1000)});

    CheckResult equal = check(7);
    EXPECT_EQ(equal.outcome, CheckResult::UpToDate);
    EXPECT_EQ(equal.messageLines(), std::vector<std::string>{"ご使用のシステムは最新に保たれております"});
    EXPECT_EQ(check(8).outcome, CheckResult::UpToDate);
    EXPECT_EQ(site.requests(), 3); // temp.tri only, nothing else fetched
}

TEST_F(UpdateCheckTest, MissingVersionFileSaysCheckTheConnection) {
    std::filesystem::remove(siteFilesDir(dir / "site") / "temp.tri");
    CheckResult result = check(1);
    EXPECT_EQ(result.outcome, CheckResult::FetchFailed);
    auto lines = result.messageLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "ダウンロードに失敗しました");
    EXPECT_EQ(lines[1], "インターネット接続をご確認下さい");
    EXPECT_NE(lines[2].find("HTTP 404"), std::string::npos) << lines[2]; // the connection was fine
    EXPECT_TRUE(pauses.empty());
}

TEST_F(UpdateCheckTest, VersionFileThatIsNotANumberEndsTheCheck) {
    writeBytes(siteFilesDir(dir / "site") / "temp.tri", "<html>not found</html>\r\n");
    CheckResult result = check(1);
    EXPECT_EQ(result.outcome, CheckResult::VersionUnreadable);
    EXPECT_EQ(result.messageLines(),
              std::vector<std::string>{"サーバーのバージョン情報を読み取れませんでした"});
}

TEST_F(UpdateCheckTest, UnreachableSiteAndCancelLeaveNoVersionFile) {
    cancel.store(true);
    EXPECT_EQ(check(1).outcome, CheckResult::Cancelled);
    cancel.store(false);
    site.stop();
    EXPECT_EQ(check(1).outcome, CheckResult::FetchFailed);
}

} // namespace tavu
