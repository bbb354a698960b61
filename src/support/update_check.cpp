#include "update_check.h"

#include "site_version.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "update_texts.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds PauseBeforeReading{1000};

// temp.tri must never outlive a check, whichever way the check ends.
class RemoveOnExit {
public:
    explicit RemoveOnExit(fs::path path)
        : path_(std::move(path)) {}
    ~RemoveOnExit() {
        std::error_code ec;
        fs::remove(path_, ec);
    }
    RemoveOnExit(const RemoveOnExit&) = delete;
    RemoveOnExit& operator=(const RemoveOnExit&) = delete;

private:
    fs::path path_;
};

CheckResult compareVersions(const fs::path& versionFile, std::int32_t installedVersion) {
    CheckResult result;
    std::optional<std::int32_t> site;
    try {
        site = parseSiteVersion(readWholeFile(versionFile));
    } catch (const DataError&) {
    }
    if (!site) {
        result.outcome = CheckResult::VersionUnreadable;
        return result;
    }
    result.siteVersion = *site;
    result.outcome = *site > installedVersion ? CheckResult::Newer : CheckResult::UpToDate;
    return result;
}

} // namespace

std::vector<std::string> CheckResult::messageLines() const {
    switch (outcome) {
    case FetchFailed:
        return {update_text::FetchFailed1, update_text::FetchFailed2};
    case VersionUnreadable:
        return {update_text::VersionUnreadable};
    case UpToDate:
        return {update_text::UpToDate};
    case Cancelled:
        return {update_text::Declined};
    case Newer:
        break;
    }
    return {};
}

CheckResult checkForUpdate(const UpdateConfig& config, HttpFetcher& fetcher, std::int32_t installedVersion,
                           const std::atomic<bool>& cancel) {
    fs::path versionFile = config.systemDir / VersionFileName;
    RemoveOnExit removeVersionFile(versionFile);
    FetchResult fetched = fetcher.fetch(remoteFileUrl(config.baseUrl, VersionFileName), versionFile, cancel);
    if (fetched.status == FetchResult::Cancelled)
        return {CheckResult::Cancelled, 0, fetched.reason};
    if (!fetched.ok())
        return {CheckResult::FetchFailed, 0, fetched.reason};
    config.pause(PauseBeforeReading, cancel);
    if (cancel.load())
        return {CheckResult::Cancelled, 0, {}};
    return compareVersions(versionFile, installedVersion);
}

} // namespace tavu
