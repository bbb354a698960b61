#include "cli_commands.h"

#include "folders/user_data_folder.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <map>

namespace tavu::cli {

namespace {
std::filesystem::path executablePath() {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("tavu-cli") : self;
}

void chooseFolder(const CLI::App& app, CliOptions& options) {
    // JSON and CSV are UTF-8 text for other programs; Shift-JIS is the result file's form.
    if (options.sjis && options.format != OutputFormat::Text)
        throw CLI::ValidationError("--sjis", "--sjis は --format text のときだけ使えます");
    options.folder = chooseDataFolder(options.systemDir, executablePath(), UserFolders::fromProcess());
    options.systemDir = options.folder.systemDir;
    if (app.got_subcommand("where") || app.got_subcommand("history"))
        return;
    const DataFolderPreparation prepared = prepareDataFolder(options.folder);
    for (const auto& line : prepared.noticeLines(options.systemDir))
        std::cerr << line << '\n';
    // Without a folder every path would be read relative to wherever the command runs.
    if (options.systemDir.empty())
        throw CLI::RuntimeError(ExitDataFolder);
}

} // namespace

// In the order --help lists them.
void addCommands(CLI::App& app, CliOptions& options) {
    // Every command created after this inherits it: a global option may come before or after
    // the command's name.
    app.fallthrough();
    app.add_option(
        "--system", options.systemDir,
        "データフォルダ (既定: 実行ファイルの隣の書き込める system、なければ利用者のデータフォルダ。"
        "where で確かめられる)");
    app.add_option("--seed", options.seed, "乱数の種 (0〜4294967295)。省略時は時刻から")
        ->check(CLI::Range(std::uint64_t{0}, std::uint64_t{4294967295u}));
    app.add_flag("--sjis", options.sjis, "Shift-JIS と CR LF で出力する (結果ファイルと同じバイト列)");
    app.add_flag("--footer", options.footer, "Comment.tri の行を末尾に付ける");
    app.add_flag("--fields", options.fields, "単体抽出の結果欄を 1 行ずつ出力する");
    app.add_option("--format", options.format, "抽出結果の形式: text (既定、画面と同じ行)、json、csv")
        ->transform(CLI::CheckedTransformer(std::map<std::string, OutputFormat>{{"text", OutputFormat::Text},
                                                                                {"json", OutputFormat::Json},
                                                                                {"csv", OutputFormat::Csv}},
                                            CLI::ignore_case));
    app.add_flag("--record", options.record, "抽出を履歴に記録する (既定は記録しない)");
    app.add_option("--history", options.historyFile,
                   "履歴ファイル (既定: $XDG_DATA_HOME/tavu/history.sqlite3、"
                   "XDG_DATA_HOME がなければ ~/.local/share/tavu/history.sqlite3)");
    // Runs once every option is read and before any command, so that no command derives a
    // path from the folder as it was typed.
    app.parse_complete_callback([&app, &options] { chooseFolder(app, options); });
    for (auto add : {addVerifyCommand, addCardDrawCommands, addBookCommand, addMapCommand, addCpuCommand,
                     addReplayCommand, addCheckCommand, addPublishCommand, addUpdateCommand, addWhereCommand,
                     addHistoryCommand})
        add(app, options);
}

} // namespace tavu::cli
