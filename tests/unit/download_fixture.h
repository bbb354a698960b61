#pragma once

#include "test_helpers.h"
#include "update/curl/curl_fetcher.h"
#include "update/download_sequence.h"
#include "update_test_site.h"

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace tavu::test {

// Everything the sequence tells the progress window, in order.
struct Recorder : UpdateObserver {
    void progressChanged(int position) override;
    void pausing(int ms) override;
    void memoLine(const std::string& line) override { memo.push_back(line); }
    int pausesSeen() const { return pauseCount.load(); }

    std::vector<int> positions;
    std::vector<int> pauses;
    std::vector<std::string> memo;
    std::function<void(int)> onProgress;
    std::atomic<int> pauseCount{0};
};

// Short time-outs and a small cap, so that failures come quickly.
FetchLimits testLimits();

// An installed set of version 5 under app/system and a site serving a newer set as version 6
// over loopback; the pauses are skipped.
class DownloadFixture : public ::testing::Test {
public:
    DownloadFixture();

    DownloadResult download();
    // The folder byte for byte as before, and nothing left beside it.
    void expectNothingChanged();
    // Beside `system` there is nothing but `system` (no staging, previous or lock files).
    void expectNothingBeside();
    std::filesystem::path served(const std::string& name) const;

    TempDir dir;
    std::filesystem::path systemDir = dir / "app" / "system";
    std::map<std::string, std::string> before;
    LoopbackSite site;
    CurlFetcher fetcher{testLimits()};
    UpdateConfig config;
    std::int32_t announced = 6; // what the check found on the site
    Recorder recorder;
    int cancelAtProgress = -1;
};

} // namespace tavu::test
