#include "history_time.h"

#include <ctime>

namespace tavu::history {

namespace {

std::string format(std::chrono::system_clock::time_point moment, bool utc, const char* pattern) {
    std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm parts{};
#ifdef _WIN32
    utc ? gmtime_s(&parts, &seconds) : localtime_s(&parts, &seconds);
#else
    utc ? gmtime_r(&seconds, &parts) : localtime_r(&seconds, &parts);
#endif
    char text[32];
    std::size_t size = std::strftime(text, sizeof text, pattern, &parts);
    return std::string(text, size);
}

} // namespace

std::string utcTimestamp(std::chrono::system_clock::time_point moment) {
    return format(moment, true, "%Y-%m-%dT%H:%M:%SZ");
}

std::string localFileStamp(std::chrono::system_clock::time_point moment) {
    return format(moment, false, "%Y%m%d-%H%M");
}

} // namespace tavu::history
