#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
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

struct FetchResult {
    enum Status { Ok, Failed, Cancelled };
    Status status = Failed;
    std::string reason; // UTF-8 Japanese, empty when Ok

    bool ok() const { return status == Ok; }
};

// Fetches one URL into one local file. On anything but Ok the local file does not exist
// afterwards, so a half-received body can never be mistaken for data.
class HttpFetcher {
public:
    virtual ~HttpFetcher() = default;
    // `cancel` may be set from another thread; the transfer stops soon after.
    virtual FetchResult fetch(const std::string& url, const std::filesystem::path& target,
                              const std::atomic<bool>& cancel) = 0;
};

} // namespace tavu
