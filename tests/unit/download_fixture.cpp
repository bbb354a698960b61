#include "download_fixture.h"

#include "dataset/site_publish.h"
#include "update/staged_folder.h"

namespace tavu::test {

namespace fs = std::filesystem;

void Recorder::progressChanged(int position) {
    positions.push_back(position);
    if (onProgress)
        onProgress(position);
}

void Recorder::pausing(int ms) {
    pauses.push_back(ms);
    ++pauseCount;
}

FetchLimits testLimits() {
    FetchLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.stallTimeoutMs = 1000;
    limits.maxFileBytes = 64 * 1024;
    return limits;
}

DownloadFixture::DownloadFixture()
    : site(siteFilesDir(dir / "site")) {
    makeSystemFolder(systemDir, 5, "old");
    makeSystemFolder(dir / "source", 6, "new");
    publishSite(readSystemFolder(dir / "source"), dir / "site");
    before = snapshotFolder(systemDir);
    config.baseUrl = site.baseUrl();
    config.systemDir = systemDir;
    config.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
    };
}

DownloadResult DownloadFixture::download() {
    DownloadSequence sequence(config, announced, fetcher, recorder);
    if (cancelAtProgress >= 0)
        recorder.onProgress = [&](int p) {
            if (p == cancelAtProgress)
                sequence.cancel();
        };
    sequence.run();
    EXPECT_FALSE(sequence.step()); // an ended sequence never runs again
    return sequence.result();
}

void DownloadFixture::expectNothingChanged() {
    EXPECT_EQ(snapshotFolder(systemDir), before);
    expectNothingBeside();
    EXPECT_EQ(recorder.memo.back(), "システムファイルは変更されていません。これまでのまま使用できます。");
}

void DownloadFixture::expectNothingBeside() {
    std::vector<std::string> beside;
    for (const auto& entry : fs::directory_iterator(systemDir.parent_path()))
        beside.push_back(entry.path().filename().string());
    EXPECT_EQ(beside, std::vector<std::string>{systemDir.filename().string()});
}

fs::path DownloadFixture::served(const std::string& name) const {
    return siteFilesDir(dir / "site") / name;
}

} // namespace tavu::test
