#include "update_check.h"

#include "site_version.h"
#include "store/system_files.h"
#include "update_texts.h"

#include <algorithm>

namespace tavu {

namespace {

constexpr std::chrono::milliseconds PauseBeforeReading{1000};
// The version file holds one number; anything longer is not a version file.
constexpr std::uint64_t VersionFileLimit = 1024;
// A one-line file: a site that takes longer than this to send it is not going to serve a
// whole set in time either.
constexpr std::chrono::seconds CheckTimeLimit{60};

CheckResult compareVersions(const std::string& versionFile, std::int32_t installedVersion) {
    CheckResult result;
    std::optional<std::int32_t> site = parseSiteVersion(versionFile);
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
        if (!reason.empty())
            return {update_text::FetchFailed1, update_text::FetchFailed2, "理由: " + reason};
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
    // Fetched into memory: nothing is written, so neither a link in the data folder nor a
    // second check running at the same time can interfere.
    std::string versionFile;
    FetchBounds bounds{VersionFileLimit,
                       std::chrono::steady_clock::now() + std::min(config.timeLimit, CheckTimeLimit)};
    FetchResult fetched =
        fetcher.fetchBytes(remoteFileUrl(config.baseUrl, VersionFileName), versionFile, cancel, bounds);
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
