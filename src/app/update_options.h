#pragma once

#include "update/http_fetcher.h"
#include "update/update_config.h"

#include <string>

namespace tavu {

// Where and how the download tab fetches. The program uses the defaults; tests point the
// base URL at a loopback server and shorten the pauses.
struct UpdateOptions {
    std::string baseUrl = defaultUpdateUrl();
    PauseFunction pause = pauseUnlessCancelled;
    FetchLimits limits;
    int startDelayMs = 1000; // the progress window's timer: the sequence starts on its first tick

    UpdateConfig config(const std::filesystem::path& systemDir) const { return {baseUrl, systemDir, pause}; }
};

} // namespace tavu
