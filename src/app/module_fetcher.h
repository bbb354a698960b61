#pragma once

#include "update/http_fetcher.h"

#include <QString>
#include <memory>

namespace tavu {

// An HttpFetcher that loads the HTTP module on its first fetch and hands every fetch to the
// fetcher made there. Start-up never touches the network libraries; a module that cannot be
// loaded makes each fetch fail with the reason, as an unreachable server would.
class ModuleFetcher : public HttpFetcher {
public:
    // `moduleDir` is where the module is looked for; empty means where the program keeps it.
    explicit ModuleFetcher(FetchLimits limits = {}, QString moduleDir = {});
    ~ModuleFetcher() override;

protected:
    FetchResult fetchInto(const std::string& url, const FetchTarget& target, const std::atomic<bool>& cancel,
                          const FetchBounds& bounds) override;

private:
    // The fetcher of the module, loaded on first use; null with `failure_` set when it cannot be.
    HttpFetcher* inner();

    FetchLimits limits_;
    QString moduleDir_;
    std::unique_ptr<HttpFetcher> inner_;
    FetchResult failure_;
};

} // namespace tavu
