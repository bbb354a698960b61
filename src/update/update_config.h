#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace tavu {

// Waits out a pause of the update sequence; must return early once `cancel` is set.
using PauseFunction = std::function<void(std::chrono::milliseconds, const std::atomic<bool>& cancel)>;

// Sleeps in short slices so that a cancel is honoured within a few tens of milliseconds.
void pauseUnlessCancelled(std::chrono::milliseconds duration, const std::atomic<bool>& cancel);

// The site's base URL chosen at build time (its path ends in tavuds/system_file/).
std::string defaultUpdateUrl();

// Base URL followed by a remote file name, with exactly one slash between them.
std::string remoteFileUrl(const std::string& baseUrl, const std::string& name);

struct UpdateConfig {
    std::string baseUrl = defaultUpdateUrl();
    std::filesystem::path systemDir;
    PauseFunction pause = pauseUnlessCancelled;
    // However slowly a site answers, a check or a download ends within this: each of its
    // fetches is given up once it passes. A whole download normally takes some ten seconds.
    std::chrono::seconds timeLimit{300};
};

} // namespace tavu
