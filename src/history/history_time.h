#pragma once

#include <chrono>
#include <string>

namespace tavu::history {

// A moment as the history keeps it: UTC, "2026-12-08T15:30:12Z".
std::string utcTimestamp(std::chrono::system_clock::time_point moment);

// A moment in the user's local time as a file name carries it: "20261208-1530".
std::string localFileStamp(std::chrono::system_clock::time_point moment);

} // namespace tavu::history
