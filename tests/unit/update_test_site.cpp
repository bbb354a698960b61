#include "update_test_site.h"

#include "store/cipher.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <chrono>
#include <httplib.h>
#include <mutex>
#include <thread>

namespace tavu::test {

namespace fs = std::filesystem;

fs::path makeSystemFolder(const fs::path& dir, std::int32_t version, const std::string& tag) {
    fs::create_directories(dir);
    fs::copy(TAVU_SYSTEM_DIR, dir, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    // The text pages are taken as they are, so the tag can go there without breaking the set.
    for (const char* name : {"Comment.tri", "Explanation_1.tri"})
        writeBytes(dir / name, readBytes(dir / name) + tag + "\r\n");
    SettingsArray settings = readSettingsReadOnly(dir / SettingsFileName);
    settings[entry::DataVersion] = version;
    settings[52] = static_cast<std::int32_t>(tag.size());
    SaveSettings(dir / SettingsFileName, settings);
    return dir;
}

std::map<std::string, std::string> snapshotFolder(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), dir).generic_string()] = readBytes(entry.path());
    return files;
}

struct LoopbackSite::Impl {
    fs::path filesDir;
    httplib::Server server;
    std::thread listener;
    int port = 0;
    std::mutex mutex;
    std::map<std::string, Misbehaviour> faults;
    std::atomic<bool> stopping{false};

    void serve(const std::string& name, httplib::Response& res);
    void serveStalled(httplib::Response& res);
    void serveTrickle(std::shared_ptr<std::string> body, httplib::Response& res);
};

namespace {
constexpr auto StallLimit = std::chrono::seconds(5); // a bound, should the client never give up
constexpr auto TricklePause = std::chrono::milliseconds(300);
} // namespace

void LoopbackSite::Impl::serveStalled(httplib::Response& res) {
    res.set_content_provider(1000, "application/octet-stream",
                             [this](std::size_t, std::size_t, httplib::DataSink&) {
                                 auto until = std::chrono::steady_clock::now() + StallLimit;
                                 while (!stopping.load() && std::chrono::steady_clock::now() < until)
                                     std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                 return false;
                             });
}

void LoopbackSite::Impl::serveTrickle(std::shared_ptr<std::string> body, httplib::Response& res) {
    res.set_content_provider(body->size(), "application/octet-stream",
                             [this, body](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                 auto until = std::chrono::steady_clock::now() + TricklePause;
                                 while (!stopping.load() && std::chrono::steady_clock::now() < until)
                                     std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                 if (stopping.load() || offset >= body->size())
                                     return false;
                                 return sink.write(body->data() + offset, 1);
                             });
}

void LoopbackSite::Impl::serve(const std::string& name, httplib::Response& res) {
    std::error_code ec;
    if (name.find('/') != std::string::npos || !fs::is_regular_file(filesDir / name, ec)) {
        res.status = 404;
        return;
    }
    auto body = std::make_shared<std::string>(readBytes(filesDir / name));
    std::optional<Misbehaviour> fault;
    {
        std::lock_guard lock(mutex);
        if (auto it = faults.find(name); it != faults.end())
            fault = it->second;
    }
    if (!fault)
        return res.set_content(*body, "application/octet-stream");
    switch (*fault) {
    case Misbehaviour::Truncated:
        res.set_content_provider(body->size(), "application/octet-stream",
                                 [body](std::size_t, std::size_t, httplib::DataSink& sink) {
                                     sink.write(body->data(), body->size() / 2);
                                     return false;
                                 });
        break;
    case Misbehaviour::Stall:
        serveStalled(res);
        break;
    case Misbehaviour::Trickle:
        serveTrickle(body, res);
        break;
    case Misbehaviour::Chunked:
        res.set_chunked_content_provider("application/octet-stream",
                                         [body](std::size_t, httplib::DataSink& sink) {
                                             sink.write(body->data(), body->size());
                                             sink.done();
                                             return true;
                                         });
        break;
    }
}

LoopbackSite::LoopbackSite(fs::path filesDir)
    : impl_(std::make_unique<Impl>()) {
    impl_->filesDir = std::move(filesDir);
    impl_->server.Get(R"(/tavuds/system_file/([^/]+))",
                      [this](const httplib::Request& req, httplib::Response& res) {
                          ++requests_;
                          impl_->serve(req.matches[1].str(), res);
                      });
    impl_->port = impl_->server.bind_to_any_port("127.0.0.1");
    impl_->listener = std::thread([this] { impl_->server.listen_after_bind(); });
    // stop() does nothing before the server runs, and join() would then wait for ever.
    for (int i = 0; i < 500 && !impl_->server.is_running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

LoopbackSite::~LoopbackSite() {
    stop();
}

std::string LoopbackSite::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(impl_->port) + "/tavuds/system_file/";
}

void LoopbackSite::misbehave(const std::string& name, Misbehaviour how) {
    std::lock_guard lock(impl_->mutex);
    impl_->faults[name] = how;
}

void LoopbackSite::stop() {
    impl_->stopping.store(true);
    impl_->server.stop();
    if (impl_->listener.joinable())
        impl_->listener.join();
}

} // namespace tavu::test
