#pragma once

#include "support/http_fetcher.h"

namespace tavu {

// HttpFetcher over libcurl: http and https only (redirects included), time-outs and the
// size cap from FetchLimits, any HTTP status of 400 or more counted as a failure.
class CurlFetcher : public HttpFetcher {
public:
    explicit CurlFetcher(FetchLimits limits = {});

    FetchResult fetch(const std::string& url, const std::filesystem::path& target,
                      const std::atomic<bool>& cancel) override;

private:
    FetchLimits limits_;
};

} // namespace tavu
