#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <variant>

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

// Where a fetch puts the body: a new local file, or a string (emptied first) for small files
// such as the site's version.
using FetchTarget = std::variant<std::filesystem::path, std::string*>;

// Fetches one URL into its target. A file is created exclusively: an existing file or link of
// that name makes the fetch fail and is left as it is. On anything but Ok no file of the fetch
// remains and the string is empty, so a half-received body can never be mistaken for data.
// `cancel` may be set from another thread; the transfer stops soon after.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;

    FetchResult fetch(const std::string& url, const FetchTarget& target, const std::atomic<bool>& cancel,
                      const FetchBounds& bounds = {}) {
        if (auto* body = std::get_if<std::string*>(&target))
            (*body)->clear();
        return fetchInto(url, target, cancel, bounds);
    }

protected:
    virtual FetchResult fetchInto(const std::string& url, const FetchTarget& target,
                                  const std::atomic<bool>& cancel, const FetchBounds& bounds) = 0;
};

} // namespace tavu
