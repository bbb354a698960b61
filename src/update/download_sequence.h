#pragma once

#include "http_fetcher.h"
#include "store/settings.h"
#include "update_config.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace tavu {

class UpdateLock;

// One file of a download, in fetch order, with what the progress bar and the pause do
// after it.
struct DownloadFile {
    const char* name;
    int progressStep; // 1, or 0 for the one file that adds no step
    int pauseMs;      // 0 for none
};

// The 20 files of the system folder in the order they are fetched.
std::span<const DownloadFile> downloadFiles();

// After the last file the bar takes one step, pauses, and takes the last step to the top.
inline constexpr int DownloadProgressMax = 21;

// What the progress window shows. Every call comes from the thread that runs the sequence.
class UpdateObserver {
public:
    virtual ~UpdateObserver() = default;
    virtual void progressChanged(int position) { (void)position; } // 0..DownloadProgressMax
    virtual void pausing(int milliseconds) { (void)milliseconds; } // before each pause
    virtual void memoLine(const std::string& line) { (void)line; } // lines for Memo_DL, UTF-8
};

struct DownloadResult {
    enum Outcome { Running, Succeeded, Failed, Cancelled };
    Outcome outcome = Running;
    std::string failedFile;   // which file failed, when Failed
    std::string reason;       // why, UTF-8
    SettingsArray settings{}; // the downloaded settings, which replace the user's, when Succeeded
};

// The download of the whole system folder, one step at a time: preparing the staging folder,
// each of the 20 files, the two closing steps of the bar, and checking and moving the new
// set into place. Until the last step `system` is untouched; a failure, a cancel or the end
// of the config's time limit removes what was staged and leaves the old set and settings as
// they were. A set whose settings carry another data version than the one the site announced
// (the check's result) is refused before anything is moved.
//
// The window runs it on a worker thread (fetches and pauses block for seconds) and forwards the
// observer's calls to the GUI thread; closing the progress window calls cancel() and waits for
// the worker before the sequence is destroyed. Each sequence runs once: step() after the end
// does nothing.
class DownloadSequence {
public:
    DownloadSequence(UpdateConfig config, std::int32_t announcedVersion, HttpFetcher& fetcher,
                     UpdateObserver& observer);
    ~DownloadSequence();
    DownloadSequence(const DownloadSequence&) = delete;
    DownloadSequence& operator=(const DownloadSequence&) = delete;

    // Runs the next step including its pause; false once the sequence has ended.
    bool step();
    // Runs every remaining step.
    void run();
    // Safe from any thread; honoured before the move into place, ignored after it.
    void cancel() { cancel_.store(true); }
    const DownloadResult& result() const { return result_; }

private:
    void prepare();
    void fetchFile(std::size_t index);
    void install();
    void advance(int progressStep, int pauseMs);
    void fail(std::string file, std::string reason);
    void stopCancelled();
    void discardStaging();
    std::string timeLimitReason() const;

    UpdateConfig config_;
    std::int32_t announcedVersion_;
    std::filesystem::path systemDir_;                // the real folder when `system` is a link
    std::chrono::steady_clock::time_point deadline_; // set when the sequence starts
    HttpFetcher& fetcher_;
    UpdateObserver& observer_;
    std::atomic<bool> cancel_{false};
    DownloadResult result_;
    std::unique_ptr<UpdateLock> lock_;
    std::size_t next_ = 0;
    int progress_ = 0;
};

} // namespace tavu
