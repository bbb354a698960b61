#include "cli_commands.h"
#include "store/sjis_text.h"
#include "support/data_check.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavu::cli {

namespace {
int verify(const std::filesystem::path& systemDir, bool shiftJis) {
    auto problems = checkDataFolder(systemDir);
    for (const auto& problem : problems) {
        std::string line = describe(problem);
        if (shiftJis)
            std::cout << sjis::fromUtf8(line).value_or(line) << "\r\n";
        else
            std::cout << line << "\n";
    }
    if (problems.empty()) {
        std::cerr << systemDir.string() << ": 問題は見つかりませんでした\n";
        return ExitOk;
    }
    std::cerr << systemDir.string() << ": " << problems.size() << " 件の問題があります\n";
    return ExitDataFolder;
}
} // namespace

void addVerifyCommand(CLI::App& app, CliOptions& options) {
    auto* command =
        app.add_subcommand("verify", "データフォルダを確認し、問題をファイル名と行番号付きで表示する");
    command->callback([&options] { options.exitCode = verify(options.systemDir, options.sjis); });
}

} // namespace tavu::cli
