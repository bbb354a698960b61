#pragma once

#include "update/http_fetcher.h"

namespace tavu {

// HttpFetcher over libcurl: http and https only (redirects included), time-outs and the
// size cap from FetchLimits and FetchBounds, any HTTP status of 400 or more counted as a failure.
class CurlFetcher : public HttpFetcher {
public:
    explicit CurlFetcher(FetchLimits limits = {});

protected:
    FetchResult fetchInto(const std::string& url, const FetchTarget& target, const std::atomic<bool>& cancel,
                          const FetchBounds& bounds) override;

private:
    FetchLimits limits_;
};

} // namespace tavu
