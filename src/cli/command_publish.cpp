#include "cli_commands.h"
#include "store/data_error.h"
#include "support/site_publish.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace tavu::cli {

namespace {

struct PublishArgs {
    std::filesystem::path out;
    std::filesystem::path from; // empty: the --system folder
    std::optional<std::int32_t> version;
};

int runPublish(const CliOptions& options, const PublishArgs& args) {
    std::filesystem::path source = args.from.empty() ? options.systemDir : args.from;
    try {
        std::filesystem::path site = publishSite(source, args.out, args.version);
        std::cout << "公開用フォルダを作成しました: " << site.string() << "\n";
        return ExitOk;
    } catch (const DataError& e) {
        std::cerr << e.what() << "\n";
        return ExitDataFolder;
    }
}

} // namespace

void addPublishCommand(CLI::App& app, CliOptions& options) {
    auto args = std::make_shared<PublishArgs>();
    auto* cmd = app.add_subcommand("publish",
                                   "データ更新サイトのファイル一式を作る (静的な HTTP サーバーで公開できる)");
    cmd->add_option("--out", args->out, "出力先。その中の tavuds/system_file/ にファイルを置く")->required();
    cmd->add_option("--from", args->from, "元にする system フォルダ (既定: --system のフォルダ)");
    // temp.tri is read as its first 10 characters, so a minus sign would cut the largest values.
    cmd->add_option("--version", args->version, "データのバージョン (設定の 58 番と temp.tri に書く)")
        ->check(CLI::Range(0, 2147483647));
    cmd->callback([&options, args] { options.exitCode = runPublish(options, *args); });
}

} // namespace tavu::cli
