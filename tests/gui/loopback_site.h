#pragma once

#include <chrono>
#include <filesystem>
#include <httplib.h>
#include <string>
#include <thread>

namespace tavu::test {

// Serves the files under `root` on 127.0.0.1 from a thread of its own, as a published
// update site would be served.
class LoopbackSite {
public:
    explicit LoopbackSite(const std::filesystem::path& root) {
        server_.set_mount_point("/", root.string());
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // stop() before the loop has begun is lost, and the join below would wait for ever.
        for (int i = 0; i < 5000 && !server_.is_running(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackSite() {
        server_.stop();
        thread_.join();
    }
    LoopbackSite(const LoopbackSite&) = delete;
    LoopbackSite& operator=(const LoopbackSite&) = delete;

    std::string baseUrl() const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/tavuds/system_file/";
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

} // namespace tavu::test
