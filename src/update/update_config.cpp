#include "update_config.h"

#include <thread>

#ifndef TAVU_UPDATE_URL
#error "TAVU_UPDATE_URL must be defined by the build"
#endif

namespace tavu {

void pauseUnlessCancelled(std::chrono::milliseconds duration, const std::atomic<bool>& cancel) {
    constexpr std::chrono::milliseconds slice{20};
    auto end = std::chrono::steady_clock::now() + duration;
    while (!cancel.load()) {
        auto left = end - std::chrono::steady_clock::now();
        if (left <= std::chrono::milliseconds::zero())
            return;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(left, slice));
    }
}

std::string defaultUpdateUrl() {
    return TAVU_UPDATE_URL;
}

std::string remoteFileUrl(const std::string& baseUrl, const std::string& name) {
    if (!baseUrl.empty() && baseUrl.back() == '/')
        return baseUrl + name;
    return baseUrl + "/" + name;
}

} // namespace tavu
