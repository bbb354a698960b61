#pragma once

#include "http_fetcher.h"

// The entry point of the loadable HTTP module: a new fetcher with the given limits, owned by
// the caller (delete it through HttpFetcher). The module stays loaded while one exists.
#if defined(_WIN32)
#define TAVU_HTTP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TAVU_HTTP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace tavu {

inline constexpr const char* HttpModuleName = "tavu_http";
inline constexpr const char* HttpModuleEntry = "tavu_make_http_fetcher";
using MakeHttpFetcher = HttpFetcher* (*)(const FetchLimits* limits);

} // namespace tavu
