#include "cli_commands.h"
#include "cli_output.h"
#include "dataset/data_build.h"
#include "dataset/site_publish.h"
#include "store/data_error.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

namespace tavu::cli {

namespace {

struct PublishArgs {
    std::filesystem::path out;
    std::filesystem::path sources; // build the set from these UTF-8 sources instead
    std::optional<std::int32_t> version;
};

int runPublish(const CliOptions& options, const PublishArgs& args) {
    try {
        // The data folder as it is, or a set built from the sources with the version asked for.
        DataFiles files =
            args.sources.empty() ? readSystemFolder(options.systemDir) : buildDataFiles(args.sources);
        if (args.version)
            setDataVersion(files, *args.version);
        std::filesystem::path site = publishSite(files, args.out);
        std::cout << "公開用フォルダを作成しました: " << site.string() << "\n";
        return ExitOk;
    } catch (const DataError& e) {
        std::cerr << describeDataError(e) << "\n";
        return ExitDataFolder;
    }
}

} // namespace

void addPublishCommand(CLI::App& app, CliOptions& options) {
    auto args = std::make_shared<PublishArgs>();
    auto* cmd =
        app.add_subcommand("publish", "データフォルダ (--system) をデータ更新サイトのファイル一式として"
                                      "そのまま書き出す (静的な HTTP サーバーで公開できる)");
    cmd->add_option("--out", args->out, "出力先。その中の tavuds/system_file/ にファイルを置く")->required();
    auto* sources =
        cmd->add_option("--sources", args->sources,
                        "データフォルダの代わりに、元データ (UTF-8) のフォルダから作って書き出す");
    // temp.tri is read as its first 10 characters, so a minus sign would cut the largest values.
    cmd->add_option("--version", args->version,
                    "--sources で作るデータのバージョン (設定の 58 番と temp.tri に書く)")
        ->check(CLI::Range(0, 2147483647))
        ->needs(sources);
    cmd->callback([&options, &app, args] {
        if (!args->sources.empty() && app.count("--system") > 0)
            throw CLI::ValidationError("publish", "--system と --sources は同時に指定できません");
        options.exitCode = runPublish(options, *args);
    });
}

} // namespace tavu::cli
