#include "download_sequence.h"

#include "staged_folder.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "update_lock.h"
#include "update_texts.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

// The settings file arrives locked; it is unlocked once this many files are in.
constexpr std::size_t FilesBeforeUnlock = 12;
constexpr int FinalPauseMs = 2000;

constexpr DownloadFile Files[]{
    {"Comment.tri", 1, 1200},    {"RM_Map.tri", 1, 0},        {"RM_VS.tri", 1, 0},
    {"system.tri", 1, 1000},     {"Explanation_1.tri", 1, 0}, {"Explanation_2.tri", 1, 0},
    {"Explanation_3.tri", 1, 0}, {"Explanation_4.tri", 1, 0}, {"Explanation_5.tri", 1, 0},
    {"Explanation_6.tri", 1, 0}, {"Explanation_7.tri", 1, 0}, {"Explanation_8.tri", 0, 2000},
    {"RM_01.tri", 1, 0},         {"RM_02.tri", 1, 0},         {"RM_03.tri", 1, 0},
    {"RM_04.tri", 1, 0},         {"RM_05.tri", 1, 0},         {"RM_06.tri", 1, 0},
    {"RM_07.tri", 1, 0},         {"RM_08.tri", 1, 0},
};

// Steps: 0 prepares the staging folder, 1..20 fetch the files, then two closing steps of
// the bar, then the move into place.
constexpr std::size_t FirstClosingStep = 1 + std::size(Files);
constexpr std::size_t InstallStep = FirstClosingStep + 2;

} // namespace

std::span<const DownloadFile> downloadFiles() {
    return Files;
}

DownloadSequence::DownloadSequence(UpdateConfig config, std::int32_t announcedVersion, HttpFetcher& fetcher,
                                   UpdateObserver& observer)
    : config_(std::move(config))
    , announcedVersion_(announcedVersion)
    , systemDir_(resolvedSystemDir(config_.systemDir))
    , fetcher_(fetcher)
    , observer_(observer) {}

DownloadSequence::~DownloadSequence() {
    if (result_.outcome == DownloadResult::Running)
        discardStaging();
}

bool DownloadSequence::step() {
    if (result_.outcome != DownloadResult::Running)
        return false;
    try {
        if (cancel_.load())
            stopCancelled();
        else if (next_ > 0 && next_ < InstallStep && std::chrono::steady_clock::now() >= deadline_)
            fail({}, timeLimitReason());
        else if (next_ == 0)
            prepare();
        else if (next_ < FirstClosingStep)
            fetchFile(next_ - 1);
        else if (next_ < InstallStep)
            advance(1, next_ == FirstClosingStep ? FinalPauseMs : 0);
        else
            install();
    } catch (const DataError& e) {
        fail(e.file().filename().string(), e.reason());
    } catch (const std::bad_alloc&) {
        fail({}, "メモリが足りないため中止しました");
    } catch (const std::exception& e) {
        fail({}, e.what());
    }
    ++next_;
    if (result_.outcome != DownloadResult::Running)
        lock_.reset();
    return result_.outcome == DownloadResult::Running;
}

void DownloadSequence::run() {
    while (step()) {
    }
}

void DownloadSequence::prepare() {
    deadline_ = std::chrono::steady_clock::now() + config_.timeLimit;
    auto lock = std::make_unique<UpdateLock>(systemDir_);
    if (!lock->acquired())
        return fail({}, lock->failure());
    lock_ = std::move(lock);
    recoverInterruptedSwap(systemDir_);
    makeStagingDir(systemDir_);
    observer_.progressChanged(progress_);
}

void DownloadSequence::fetchFile(std::size_t index) {
    const DownloadFile& file = Files[index];
    fs::path staging = stagingDirFor(systemDir_);
    FetchBounds bounds{systemFileSizeLimit(file.name), deadline_};
    FetchResult fetched =
        fetcher_.fetch(remoteFileUrl(config_.baseUrl, file.name), staging / file.name, cancel_, bounds);
    if (fetched.status == FetchResult::Cancelled)
        return stopCancelled();
    if (!fetched.ok())
        return fail(file.name, fetched.deadlinePassed ? timeLimitReason() : fetched.reason);
    advance(file.progressStep, file.pauseMs);
    if (index + 1 == FilesBeforeUnlock)
        UnlockDataFile(staging / SettingsFileName, SettingsKey, false); // a plain file stays as it is
}

void DownloadSequence::install() {
    fs::path staging = stagingDirFor(systemDir_);
    if (!LockDataFile(staging / SettingsFileName, SettingsKey, false))
        return fail(SettingsFileName, "設定ファイルを暗号化できません");
    if (auto problem = checkStagedSystemFolder(staging))
        return fail(problem->file, problem->reason);
    SettingsArray settings = readSettingsReadOnly(staging / SettingsFileName);
    // Otherwise the set installs under a version the site never offered, and every later
    // check offers it again (or never offers the next one).
    if (std::int32_t version = settings[entry::DataVersion]; version != announcedVersion_)
        return fail(SettingsFileName, "設定のデータバージョン (" + std::to_string(version) +
                                          ") がサイトの知らせたバージョン (" +
                                          std::to_string(announcedVersion_) + ") と違います");
    std::vector<std::string> leftBehind = carryOverOtherFiles(systemDir_, staging);
    swapInStagedFolder(systemDir_, staging);
    result_.settings = settings;
    result_.outcome = DownloadResult::Succeeded;
    for (const char* line : update_text::Success)
        observer_.memoLine(line);
    for (const std::string& line : leftBehind)
        observer_.memoLine(line);
}

void DownloadSequence::advance(int progressStep, int pauseMs) {
    if (progressStep != 0) {
        progress_ += progressStep;
        observer_.progressChanged(progress_);
    }
    if (pauseMs > 0) {
        observer_.pausing(pauseMs);
        config_.pause(std::chrono::milliseconds(pauseMs), cancel_);
    }
}

void DownloadSequence::fail(std::string file, std::string reason) {
    discardStaging();
    result_.outcome = DownloadResult::Failed;
    result_.failedFile = std::move(file);
    result_.reason = std::move(reason);
    observer_.memoLine(update_text::Failed);
    if (!result_.failedFile.empty())
        observer_.memoLine("失敗したファイル: " + result_.failedFile);
    observer_.memoLine("理由: " + result_.reason);
    observer_.memoLine("");
    observer_.memoLine(update_text::NothingChanged);
}

void DownloadSequence::stopCancelled() {
    discardStaging();
    result_.outcome = DownloadResult::Cancelled;
    observer_.memoLine(update_text::Cancelled);
    observer_.memoLine("");
    observer_.memoLine(update_text::NothingChanged);
}

void DownloadSequence::discardStaging() {
    if (!lock_)
        return; // the staging folder belongs to whoever holds the lock
    std::error_code ec;
    fs::remove_all(stagingDirFor(systemDir_), ec);
}

std::string DownloadSequence::timeLimitReason() const {
    auto seconds = config_.timeLimit.count();
    std::string limit =
        seconds % 60 == 0 ? std::to_string(seconds / 60) + " 分" : std::to_string(seconds) + " 秒";
    return "ダウンロード全体の制限時間 (" + limit + ") を過ぎたため中止しました";
}

} // namespace tavu
