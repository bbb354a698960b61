#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

namespace tavu {

// Bounds that keep a bad or hostile server from hanging the program or filling the disk.
struct FetchLimits {
    long connectTimeoutMs = 10000;
    // A transfer that moves no byte for this long is given up (rounded up to whole seconds
    // by the transport, and noticed within about a second).
    long stallTimeoutMs = 20000;
    // A server that trickles a byte now and then is not stalled but must not hold the
    // program for ever either.
    long totalTimeoutMs = 300000;
    // The data files are a few hundred kilobytes; anything far beyond is not ours.
    std::uint64_t maxFileBytes = 16u * 1024u * 1024u;
};

using FetchDeadline = std::chrono::steady_clock::time_point;

// What bounds one fetch on top of the fetcher's limits: the smaller cap applies, and the
// transfer is given up once the deadline passes.
struct FetchBounds {
    std::uint64_t maxBytes = std::numeric_limits<std::uint64_t>::max();
    FetchDeadline deadline = FetchDeadline::max();
};

struct FetchResult {
    enum Status { Ok, Failed, Cancelled };
    Status status = Failed;
    std::string reason; // UTF-8 Japanese, empty when Ok
    bool deadlinePassed = false;

    bool ok() const { return status == Ok; }
};

// Fetches one URL into one new local file, or into memory. The file is created exclusively:
// an existing file or link of that name makes the fetch fail and is left as it is. On
// anything but Ok no file of the fetch remains, so a half-received body can never be mistaken
// for data. `cancel` may be set from another thread; the transfer stops soon after.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;

    FetchResult fetch(const std::string& url, const std::filesystem::path& target,
                      const std::atomic<bool>& cancel, const FetchBounds& bounds = {}) {
        return fetchToFile(url, target, cancel, bounds);
    }
    // The body in `body` (emptied first); for small files such as the site's version.
    FetchResult fetchBytes(const std::string& url, std::string& body, const std::atomic<bool>& cancel,
                           const FetchBounds& bounds = {}) {
        body.clear();
        return fetchToMemory(url, body, cancel, bounds);
    }

protected:
    virtual FetchResult fetchToFile(const std::string& url, const std::filesystem::path& target,
                                    const std::atomic<bool>& cancel, const FetchBounds& bounds) = 0;
    virtual FetchResult fetchToMemory(const std::string& url, std::string& body,
                                      const std::atomic<bool>& cancel, const FetchBounds& bounds) = 0;
};

} // namespace tavu
