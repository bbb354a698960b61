#include "curl_fetcher.h"

#include <cstdio>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace tavu {

namespace fs = std::filesystem;

namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    std::FILE* file = nullptr;
    std::uint64_t received = 0;
    std::uint64_t cap = 0;
    bool overCap = false;
    bool writeFailed = false;
    const std::atomic<bool>* cancel = nullptr;
};

// Stops the transfer the moment the cap is passed: a server that sends no length (or a
// false one) must not be able to fill the disk.
std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    std::size_t bytes = size * count;
    if (t->received + bytes > t->cap) {
        t->overCap = true;
        return 0;
    }
    if (std::fwrite(data, 1, bytes, t->file) != bytes) {
        t->writeFailed = true;
        return 0;
    }
    t->received += bytes;
    return bytes;
}

std::FILE* openForWriting(const fs::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    return t->cancel->load() ? 1 : 0;
}

std::string capReason(std::uint64_t cap) {
    return "ファイルが大きすぎます (上限 " + std::to_string(cap) + " バイト)";
}

std::string reasonFor(CURLcode code, CURL* curl, const Transfer& t) {
    if (t.overCap || code == CURLE_FILESIZE_EXCEEDED)
        return capReason(t.cap);
    if (t.writeFailed)
        return "受信したデータを書き込めません";
    switch (code) {
    case CURLE_HTTP_RETURNED_ERROR: {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        return "サーバーがエラーを返しました (HTTP " + std::to_string(status) + ")";
    }
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return "サーバーが見つかりません";
    case CURLE_COULDNT_CONNECT:
        return "サーバーに接続できません";
    case CURLE_OPERATION_TIMEDOUT:
        return "サーバーの応答が止まったため打ち切りました";
    case CURLE_PARTIAL_FILE:
        return "受信が途中で途切れました";
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        return "サーバーとの通信が途中で切れました";
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return "URL が正しくありません (http または https のみ使えます)";
    default:
        return std::string("通信に失敗しました (") + curl_easy_strerror(code) + ")";
    }
}

void configure(CURL* curl, const std::string& url, const FetchLimits& limits, Transfer& t) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L); // the window fetches on a worker thread
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    long stallSeconds = (limits.stallTimeoutMs + 999) / 1000;
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, stallSeconds < 1 ? 1L : stallSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxFileBytes));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

FetchResult finish(CURLcode code, CURL* curl, Transfer& t, const fs::path& target) {
    bool closed = std::fclose(t.file) == 0;
    if (code == CURLE_OK && closed)
        return {FetchResult::Ok, {}};
    std::error_code ec;
    fs::remove(target, ec);
    if (code == CURLE_ABORTED_BY_CALLBACK && t.cancel->load())
        return {FetchResult::Cancelled, "中止しました"};
    if (code == CURLE_OK)
        return {FetchResult::Failed, "受信したデータを書き込めません"};
    return {FetchResult::Failed, reasonFor(code, curl, t)};
}

} // namespace

CurlFetcher::CurlFetcher(FetchLimits limits)
    : limits_(limits) {
    initCurlOnce();
}

FetchResult CurlFetcher::fetch(const std::string& url, const fs::path& target,
                               const std::atomic<bool>& cancel) {
    if (cancel.load())
        return {FetchResult::Cancelled, "中止しました"};
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl)
        return {FetchResult::Failed, "通信の準備に失敗しました"};
    Transfer t;
    t.cap = limits_.maxFileBytes;
    t.cancel = &cancel;
    t.file = openForWriting(target);
    if (!t.file)
        return {FetchResult::Failed, "保存先のファイルを作成できません"};
    configure(curl.get(), url, limits_, t);
    CURLcode code = curl_easy_perform(curl.get());
    return finish(code, curl.get(), t, target);
}

} // namespace tavu
