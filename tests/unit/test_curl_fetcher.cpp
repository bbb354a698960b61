#include "test_helpers.h"
#include "update/curl/curl_fetcher.h"
#include "update_test_site.h"

#include <gtest/gtest.h>
#include <thread>

namespace tavu {

using test::LoopbackSite;
using test::Misbehaviour;
using test::TempDir;
using test::writeBytes;

namespace {

FetchLimits shortLimits() {
    FetchLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.stallTimeoutMs = 1000;
    limits.maxFileBytes = 4096;
    return limits;
}

class CurlFetcherTest : public ::testing::Test {
protected:
    CurlFetcherTest() {
        std::filesystem::create_directories(served);
        writeBytes(served / "small.tri", "0123456789\r\n");
        writeBytes(served / "big.tri", std::string(5000, 'x'));
    }

    FetchResult fetch(const std::string& name, FetchLimits limits = shortLimits()) {
        CurlFetcher fetcher(limits);
        return fetcher.fetch(site.baseUrl() + name, target, cancel);
    }

    TempDir dir;
    std::filesystem::path served = dir / "served";
    std::filesystem::path target = dir / "out.tri";
    LoopbackSite site{served};
    std::atomic<bool> cancel{false};
};

} // namespace

TEST_F(CurlFetcherTest, WritesTheBodyAsReceived) {
    ASSERT_TRUE(fetch("small.tri").ok());
    EXPECT_EQ(test::readBytes(target), "0123456789\r\n");
}

TEST_F(CurlFetcherTest, HttpErrorIsAFailureNamingTheStatus) {
    FetchResult result = fetch("absent.tri");
    EXPECT_EQ(result.status, FetchResult::Failed);
    EXPECT_NE(result.reason.find("HTTP 404"), std::string::npos) << result.reason;
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(CurlFetcherTest, BrokenTransfersFailAndLeaveNoFile) {
    site.misbehave("small.tri", Misbehaviour::Truncated);
    site.misbehave("big.tri", Misbehaviour::Chunked);
    FetchResult truncated = fetch("small.tri");
    EXPECT_EQ(truncated.status, FetchResult::Failed);
    EXPECT_NE(truncated.reason.find("途切れ"), std::string::npos) << truncated.reason;
    EXPECT_FALSE(std::filesystem::exists(target));

    // Without a length the cap can only be enforced while receiving.
    FetchResult unbounded = fetch("big.tri");
    EXPECT_EQ(unbounded.status, FetchResult::Failed);
    EXPECT_NE(unbounded.reason.find("大きすぎ"), std::string::npos) << unbounded.reason;
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(CurlFetcherTest, AnnouncedLengthOverTheCapIsRefused) {
    FetchResult result = fetch("big.tri");
    EXPECT_EQ(result.status, FetchResult::Failed);
    EXPECT_NE(result.reason.find("4096"), std::string::npos) << result.reason;
    FetchLimits roomy = shortLimits();
    roomy.maxFileBytes = 5000; // exactly the size is still allowed
    EXPECT_TRUE(fetch("big.tri", roomy).ok());
}

TEST_F(CurlFetcherTest, CancelStopsAStalledTransfer) {
    site.misbehave("small.tri", Misbehaviour::Stall);
    FetchLimits patient = shortLimits();
    patient.stallTimeoutMs = 30000;
    std::thread canceller([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        cancel.store(true);
    });
    FetchResult result = fetch("small.tri", patient);
    canceller.join();
    EXPECT_EQ(result.status, FetchResult::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(CurlFetcherTest, ServerGoneAndForeignSchemesFail) {
    std::string url = site.baseUrl() + "small.tri";
    site.stop();
    CurlFetcher fetcher(shortLimits());
    FetchResult gone = fetcher.fetch(url, target, cancel);
    EXPECT_EQ(gone.status, FetchResult::Failed);
    EXPECT_NE(gone.reason.find("接続できません"), std::string::npos) << gone.reason;

    FetchResult local = fetcher.fetch("file:///etc/hostname", target, cancel);
    EXPECT_EQ(local.status, FetchResult::Failed);
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace tavu
