#include "update_check.h"

#include "store/field_reader.h"
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

constexpr std::size_t VersionWidth = 10;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

} // namespace

std::optional<std::int32_t> parseSiteVersion(std::string_view versionFile) {
    if (versionFile.starts_with(Utf8Bom))
        versionFile.remove_prefix(Utf8Bom.size());
    std::string_view digits =
        trimBlanks(versionFile.substr(0, std::min(versionFile.find_first_of("\r\n"), VersionWidth)));
    if (digits.starts_with('+'))
        return std::nullopt;
    return decimalNumber(digits);
}

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
        fetcher.fetch(remoteFileUrl(config.baseUrl, VersionFileName), &versionFile, cancel, bounds);
    if (fetched.status == FetchResult::Cancelled)
        return {CheckResult::Cancelled, 0, fetched.reason};
    if (!fetched.ok())
        return {CheckResult::FetchFailed, 0, fetched.reason};
    config.pause(PauseBeforeReading, cancel);
    if (cancel.load())
        return {CheckResult::Cancelled, 0, {}};
    std::optional<std::int32_t> site = parseSiteVersion(versionFile);
    if (!site)
        return {CheckResult::VersionUnreadable, 0, {}};
    return {*site > installedVersion ? CheckResult::Newer : CheckResult::UpToDate, *site, {}};
}

} // namespace tavu
