#include "cli_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <new>

int main(int argc, char** argv) {
    CLI::App app{"TAVU のコマンドライン: カードの抽出、ブック構成、対戦条件、データの確認と更新"};
    app.require_subcommand(1);
    tavu::cli::CliOptions options;
    tavu::cli::addCommands(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::RuntimeError& e) {
        return e.get_exit_code(); // a command line that was fine, but nothing to run it on
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : tavu::cli::ExitUsage;
    } catch (const std::bad_alloc&) {
        // Reading hostile files is bounded; this is the last line should anything else run out.
        std::cerr << "メモリが足りないため中止しました\n";
        return tavu::cli::ExitDataFolder;
    } catch (const std::exception& e) {
        // A command ends with a message and a status, never by a signal.
        std::cerr << "中止しました: " << e.what() << "\n";
        return tavu::cli::ExitDataFolder;
    }
    return options.exitCode;
}
