#include "update/curl/curl_fetcher.h"
#include "update/http_module.h"

TAVU_HTTP_MODULE_EXPORT tavu::HttpFetcher* tavu_make_http_fetcher(const tavu::FetchLimits* limits) {
    return new tavu::CurlFetcher(limits ? *limits : tavu::FetchLimits{});
}
