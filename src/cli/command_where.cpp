#include "cli_commands.h"
#include "store/system_files.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavu::cli {

namespace {

std::string reason(const DataFolderChoice& folder) {
    switch (folder.kind) {
    case DataFolderChoice::Kind::Given:
        return "--system で指定されたフォルダです。";
    case DataFolderChoice::Kind::Portable:
        return "実行ファイルの隣に書き込める system フォルダがあるので、それをそのまま使います。";
    case DataFolderChoice::Kind::User:
        break;
    }
    return "実行ファイルの隣に書き込める system フォルダがないので、利用者のデータフォルダ "
           "($XDG_DATA_HOME/tavu/system、既定は ~/.local/share/tavu/system) を使います。";
}

// The folder on the first line, alone, so that scripts can take it; why on the lines after.
int where(const CliOptions& options) {
    const DataFolderChoice& folder = options.folder;
    if (folder.systemDir.empty()) {
        std::cerr
            << "利用者のデータフォルダの場所が分かりません (HOME も XDG_DATA_HOME も設定されていません)\n";
        return ExitDataFolder;
    }
    std::cout << folder.systemDir.string() << '\n' << reason(folder) << '\n';
    const bool user = folder.kind == DataFolderChoice::Kind::User;
    if (user)
        std::cout << "元のデータ: " << folder.installedSet.string() << '\n';
    std::error_code ec;
    if (!std::filesystem::exists(folder.systemDir, ec))
        std::cout << (user ? "まだ作られていません。最初の起動で元のデータから作られます。"
                           : "このフォルダはありません。")
                  << '\n';
    else if (auto missing = firstMissingSystemFile(folder.systemDir))
        std::cout << "このフォルダには " << *missing << " がありません。\n";
    return ExitOk;
}

} // namespace

void addWhereCommand(CLI::App& app, CliOptions& options) {
    auto* command =
        app.add_subcommand("where", "使うデータフォルダとそれを選んだ理由を表示する (何も変更しない)");
    command->fallthrough();
    command->callback([&options] { options.exitCode = where(options); });
}

} // namespace tavu::cli
