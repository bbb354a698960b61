#pragma once

#include "http_fetcher.h"
#include "update_config.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// The data version held by the site's temp.tri: the first 10 characters of its first line
// as a decimal integer. Blanks around the number and a UTF-8 byte-order mark are allowed
// (editors add them); anything else that is not a 32-bit decimal number gives nullopt.
std::optional<std::int32_t> parseSiteVersion(std::string_view versionFile);

struct CheckResult {
    enum Outcome { Newer, UpToDate, FetchFailed, VersionUnreadable, Cancelled };
    Outcome outcome = FetchFailed;
    std::int32_t siteVersion = 0;
    std::string reason; // why the version file could not be fetched, UTF-8

    // The message shown for this outcome (one entry per line, the reason last when known);
    // empty for Newer, which asks.
    std::vector<std::string> messageLines() const;
};

// Fetches the site's temp.tri into memory (nothing is written anywhere), waits the pause before
// reading it, and compares its version with `installedVersion` (settings entry 58); only a
// strictly greater site version is newer. It blocks for the fetch and the pause (at most the
// config's time limit), so the window calls it off the GUI thread too.
CheckResult checkForUpdate(const UpdateConfig& config, HttpFetcher& fetcher, std::int32_t installedVersion,
                           const std::atomic<bool>& cancel);

} // namespace tavu
