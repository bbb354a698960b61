#include "cli_commands.h"
#include "folders/preference_entry.h"
#include "folders/user_folders.h"
#include "startup/data_folder_use.h"
#include "store/data_error.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "update/curl/curl_fetcher.h"
#include "update/download_sequence.h"
#include "update/staged_folder.h"
#include "update/update_check.h"
#include "update/update_texts.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <csignal>
#include <iostream>
#include <iterator>
#include <memory>

namespace tavu::cli {

namespace {

// Ctrl-C cancels cleanly (nothing changed, no staging folder left); a second one ends the
// process at once.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    interrupted.store(true);
    std::signal(SIGINT, SIG_DFL);
}

struct UpdateArgs {
    std::string url;
    bool saveUrl = false;
    bool yes = false;
    bool noWait = false;
};

// The site the user set (here with --save-url, or in the window), else the build's default.
std::string preferredUpdateUrl() {
    const auto file = preferencesFile(UserFolders::fromProcess());
    auto saved = file.empty() ? std::nullopt : readPreferenceEntry(file, UpdateSiteSection, UpdateSiteKey);
    return saved && !saved->empty() ? *saved : defaultUpdateUrl();
}

bool saveUpdateUrl(const std::string& url) {
    const auto file = preferencesFile(UserFolders::fromProcess());
    if (!isPlainPreferenceValue(url) || !(url.starts_with("http://") || url.starts_with("https://"))) {
        std::cerr << "更新サイトのアドレスは http:// か https:// で始まり、空白や ; , \" = "
                     "を含まないものにして下さい: "
                  << url << "\n";
        return false;
    }
    if (file.empty() || !writePreferenceEntry(file, UpdateSiteSection, UpdateSiteKey, url)) {
        std::cerr << "更新サイトを設定ファイルに保存できませんでした: " << file.string() << "\n";
        return false;
    }
    std::cout << "更新サイトを保存しました: " << url << "\n";
    return true;
}

class TerminalProgress : public UpdateObserver {
public:
    void progressChanged(int position) override { std::cerr << "進捗 " << position << "/21\n"; }
    void memoLine(const std::string& line) override { std::cout << line << "\n"; }
};

bool askToDownload() {
    std::cout << update_text::NewerQuestion1 << "\n"
              << update_text::NewerQuestion2 << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false; // no terminal to answer: the safe answer is no
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "はい";
}

std::optional<std::int32_t> installedVersion(const std::filesystem::path& systemDir) {
    if (auto missing = firstMissingSystemFile(systemDir)) {
        std::cerr << describeMissingSystemFile(systemDir, *missing) << "\n";
        return std::nullopt;
    }
    try {
        return readSettingsReadOnly(systemDir / SettingsFileName)[entry::DataVersion];
    } catch (const DataError& e) {
        std::cerr << e.what() << "\n";
        return std::nullopt;
    }
}

int runDownload(const UpdateConfig& config, std::int32_t announcedVersion, HttpFetcher& fetcher) {
    TerminalProgress progress;
    DownloadSequence sequence(config, announcedVersion, fetcher, progress);
    while (sequence.step())
        if (interrupted.load())
            sequence.cancel();
    if (sequence.result().outcome == DownloadResult::Succeeded)
        return ExitOk;
    return sequence.result().outcome == DownloadResult::Cancelled ? ExitWarning : ExitNetwork;
}

int runUpdate(const CliOptions& options, UpdateArgs args) {
    if (args.url.empty())
        args.url = preferredUpdateUrl();
    else if (args.saveUrl && !saveUpdateUrl(args.url))
        return ExitUsage;
    // The window would go on with the old tables and write their settings over the new set.
    if (dataFolderInUse(options.systemDir)) {
        std::cerr << "TAVU のウィンドウがこのデータフォルダを使用中のため、更新できません: "
                  << options.systemDir.string() << "\n"
                  << "ウィンドウを閉じてから、もう一度実行して下さい。\n";
        return ExitFolderInUse;
    }
    // A crash mid-swap may have left system under another name, or a staging folder behind.
    if (std::string notice = clearUpdateLeftovers(options.systemDir); !notice.empty())
        std::cerr << notice << "\n";
    std::optional<std::int32_t> installed = installedVersion(options.systemDir);
    if (!installed)
        return ExitDataFolder;
    UpdateConfig config{args.url, options.systemDir, pauseUnlessCancelled};
    if (args.noWait)
        config.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
        };
    CurlFetcher fetcher;
    std::signal(SIGINT, onInterrupt);
    CheckResult check = checkForUpdate(config, fetcher, *installed, interrupted);
    switch (check.outcome) {
    case CheckResult::Newer:
        break;
    case CheckResult::UpToDate:
        std::ranges::copy(check.messageLines(), std::ostream_iterator<std::string>(std::cout, "\n"));
        return ExitOk;
    default:
        std::ranges::copy(check.messageLines(), std::ostream_iterator<std::string>(std::cerr, "\n"));
        return check.outcome == CheckResult::Cancelled ? ExitWarning : ExitNetwork;
    }
    if (!args.yes && !askToDownload()) {
        std::cout << update_text::Declined << "\n";
        return ExitWarning;
    }
    return runDownload(config, check.siteVersion, fetcher);
}

} // namespace

void addUpdateCommand(CLI::App& app, CliOptions& options) {
    auto args = std::make_shared<UpdateArgs>();
    auto* cmd =
        app.add_subcommand("update", "データ更新サイトに新しい system フォルダがあればダウンロードする "
                                     "(終了コード 0: 最新または更新済み, 1: データフォルダの不備, "
                                     "3: 中止, 4: 通信やダウンロードの失敗, "
                                     "7: ウィンドウが同じデータフォルダを使用中。失敗時は何も変更しない)");
    cmd->add_option("--url", args->url,
                    "サイトの URL (既定: 保存した URL、なければ " + defaultUpdateUrl() + ")");
    cmd->add_flag("--save-url", args->saveUrl, "--url の URL を以後の既定として保存する (ウィンドウと共通)")
        ->needs("--url");
    cmd->add_flag("--yes,-y", args->yes, "確認せずにダウンロードを始める");
    cmd->add_flag("--no-wait", args->noWait, "ダウンロード中の待ち時間を省く");
    cmd->callback([&options, args] { options.exitCode = runUpdate(options, *args); });
}

} // namespace tavu::cli
