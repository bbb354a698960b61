#include "cli_commands.h"
#include "dataset/data_check.h"
#include "store/sjis_text.h"
#include "update/staged_folder.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavu::cli {

namespace {
int verify(const std::filesystem::path& systemDir, bool shiftJis) {
    // An update cut off mid-swap leaves `system` missing and the old set beside it: put it back
    // and say so rather than report a missing folder.
    if (std::string notice = clearUpdateLeftovers(systemDir); !notice.empty())
        std::cerr << notice << "\n";
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
    std::cerr << systemDir.string() << ": " << countProblems(problems) << " 件の問題があります\n";
    return ExitDataFolder;
}
} // namespace

void addVerifyCommand(CLI::App& app, CliOptions& options) {
    auto* command =
        app.add_subcommand("verify", "データフォルダを確認し、問題をファイル名と行番号付きで表示する");
    command->callback([&options] { options.exitCode = verify(options.systemDir, options.sjis); });
}

} // namespace tavu::cli
