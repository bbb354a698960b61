#include "curl_fetcher.h"

#include "store/system_error_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <curl/curl.h>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

namespace {

constexpr const char* CancelledReason = "中止しました";
constexpr const char* DeadlineReason = "制限時間を過ぎたため打ち切りました";

struct Transfer {
    std::FILE* file = nullptr;     // the body goes here, or
    std::string* memory = nullptr; // here
    std::uint64_t received = 0;
    std::uint64_t cap = 0;
    bool overCap = false;
    bool writeFailed = false;
    bool deadlinePassed = false;
    const std::atomic<bool>* cancel = nullptr;
    FetchDeadline deadline;
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
    if (t->memory) {
        t->memory->append(data, bytes);
    } else if (std::fwrite(data, 1, bytes, t->file) != bytes) {
        t->writeFailed = true;
        return 0;
    }
    t->received += bytes;
    return bytes;
}

// A new file only: an existing file or a link of that name is never written through.
std::FILE* createForWriting(const fs::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wxb");
#else
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file)
        ::close(fd);
    return file;
#endif
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (std::chrono::steady_clock::now() >= t->deadline)
        t->deadlinePassed = true;
    return t->cancel->load() || t->deadlinePassed ? 1 : 0;
}

// The progress callback, called at least once a second, ends a transfer at its deadline; the
// transport's own time-out, a second later, is there should it ever not be called.
long timeoutFor(const FetchLimits& limits, FetchDeadline deadline) {
    if (deadline == FetchDeadline::max())
        return limits.totalTimeoutMs;
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return std::clamp<long>(static_cast<long>(left.count()) + 1000, 1L, limits.totalTimeoutMs);
}

std::string reasonFor(CURLcode code, CURL* curl, const Transfer& t) {
    if (t.overCap || code == CURLE_FILESIZE_EXCEEDED)
        return "ファイルが大きすぎます (上限 " + std::to_string(t.cap) + " バイト)";
    if (t.deadlinePassed)
        return DeadlineReason;
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
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutFor(limits, t.deadline));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, std::max(1L, (limits.stallTimeoutMs + 999) / 1000));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.cap));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

// On anything but success the file, if any, is closed and removed.
FetchResult transfer(const std::string& url, const FetchLimits& limits, Transfer& t, const fs::path* target) {
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    CURLcode code = CURLE_FAILED_INIT;
    if (curl) {
        configure(curl.get(), url, limits, t);
        code = curl_easy_perform(curl.get());
    }
    bool closed = !t.file || std::fclose(t.file) == 0;
    if (curl && code == CURLE_OK && closed)
        return {FetchResult::Ok, {}, false};
    if (target) {
        std::error_code ec;
        fs::remove(*target, ec);
    }
    if (t.memory)
        t.memory->clear();
    if (!curl)
        return {FetchResult::Failed, "通信の準備に失敗しました", false};
    if (code == CURLE_OPERATION_TIMEDOUT && std::chrono::steady_clock::now() >= t.deadline)
        t.deadlinePassed = true;
    if (code == CURLE_ABORTED_BY_CALLBACK && t.cancel->load())
        return {FetchResult::Cancelled, CancelledReason, false};
    if (code == CURLE_OK)
        return {FetchResult::Failed, "受信したデータを書き込めません", false};
    return {FetchResult::Failed, reasonFor(code, curl.get(), t), t.deadlinePassed};
}

} // namespace

CurlFetcher::CurlFetcher(FetchLimits limits)
    : limits_(limits) {
    // Not thread-safe itself: the static's initialisation runs it once, whichever thread comes first.
    [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
}

FetchResult CurlFetcher::fetchInto(const std::string& url, const FetchTarget& target,
                                   const std::atomic<bool>& cancel, const FetchBounds& bounds) {
    if (cancel.load())
        return {FetchResult::Cancelled, CancelledReason, false};
    if (std::chrono::steady_clock::now() >= bounds.deadline)
        return {FetchResult::Failed, DeadlineReason, true};
    Transfer t{.cap = std::min(limits_.maxFileBytes, bounds.maxBytes),
               .cancel = &cancel,
               .deadline = bounds.deadline};
    const auto* file = std::get_if<fs::path>(&target);
    if (!file) {
        t.memory = std::get<std::string*>(target);
        return transfer(url, limits_, t, nullptr);
    }
    t.file = createForWriting(*file);
    if (!t.file)
        return {FetchResult::Failed,
                "保存先のファイルを作成できません: " + file->string() + " (" + systemErrorText(errno) + ")",
                false};
    return transfer(url, limits_, t, file);
}

} // namespace tavu
