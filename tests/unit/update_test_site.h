#pragma once

#include "store/settings.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace tavu::test {

// The bundled system folder with `tag` added to its text pages (so that two sets differ) and
// `version` in settings entry 58, locked as on disk.
std::filesystem::path makeSystemFolder(const std::filesystem::path& dir, std::int32_t version,
                                       const std::string& tag);

// Every file under `dir` by relative path, with its bytes.
std::map<std::string, std::string> snapshotFolder(const std::filesystem::path& dir);

// What the site does instead of serving a file.
enum class Misbehaviour {
    Truncated, // announces the full length, sends half, hangs up
    Stall,     // sends headers, then nothing
    Chunked,   // sends the file without a length
    Trickle,   // sends a byte every few hundred milliseconds: never stalled, never done
};

// An HTTP server on 127.0.0.1 (ephemeral port) in the test process, serving the files of
// `filesDir` under /tavuds/system_file/. Misbehaviours are set per file name.
class LoopbackSite {
public:
    explicit LoopbackSite(std::filesystem::path filesDir);
    ~LoopbackSite();
    LoopbackSite(const LoopbackSite&) = delete;
    LoopbackSite& operator=(const LoopbackSite&) = delete;

    std::string baseUrl() const;
    void misbehave(const std::string& name, Misbehaviour how);
    // Closes the listening socket: later fetches are refused. Safe to call twice.
    void stop();
    int requests() const { return requests_.load(); }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::atomic<int> requests_{0};
};

} // namespace tavu::test
