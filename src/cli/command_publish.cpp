#include "cli_commands.h"
#include "store/data_error.h"
#include "support/data_build.h"
#include "support/site_publish.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace tavu::cli {

namespace {

struct PublishArgs {
    std::filesystem::path out;
    std::filesystem::path sources = TAVU_DATA_SOURCES;
    std::filesystem::path from; // a built system folder instead of the sources
    std::optional<std::int32_t> version;
};

int runPublish(const PublishArgs& args) {
    try {
        DataFiles files = args.from.empty() ? buildDataFiles(args.sources) : readSystemFolder(args.from);
        std::filesystem::path site = publishSite(files, args.out, args.version);
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
    auto* sources =
        cmd->add_option("--sources", args->sources, "元データ (UTF-8) のフォルダ")->capture_default_str();
    cmd->add_option("--from", args->from, "元データの代わりに使う、作成済みの system フォルダ")
        ->excludes(sources);
    // temp.tri is read as its first 10 characters, so a minus sign would cut the largest values.
    cmd->add_option("--version", args->version, "データのバージョン (設定の 58 番と temp.tri に書く)")
        ->check(CLI::Range(0, 2147483647));
    cmd->callback([&options, args] { options.exitCode = runPublish(*args); });
}

} // namespace tavu::cli
