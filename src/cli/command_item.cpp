#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tavu::cli {

namespace {

const char* const KindsHelp = "種類 weapon,armour,item,scroll をカンマ区切りで (省略時: すべて)";

code::DrawSpec specOf(code::Command command, const DrawArgs& args) {
    return cardSpec(command, args, KindNames, ItemCountRange);
}

void addSingle(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "single", "アイテムを 1 枚抽出し、組み込む枚数を決める");
    addGroupOption(*cmd, "--kinds", KindNames, *args, KindsHelp);
    addRarityOption(*cmd, *args);
    addCopiesOption(*cmd, *args);
    cmd->callback([&options, args] { runCodedDraw(options, specOf(code::Command::ItemSingle, *args)); });
}

void addMultiple(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "multiple", "アイテムを指定枚数 (重複あり) 抽出して一覧にする");
    addGroupOption(*cmd, "--kinds", KindNames, *args, KindsHelp);
    addRarityOption(*cmd, *args);
    addCountOptions(*cmd, *args, ItemCountRange);
    cmd->callback([&options, args] { runCodedDraw(options, specOf(code::Command::ItemMultiple, *args)); });
}

} // namespace

void addItemCommand(CLI::App& app, CliOptions& options) {
    CLI::App* family = addFamilyCommand(app, "item", "アイテムの抽出 (single: 単体抽出, multiple: 複数抽出)");
    addSingle(*family, options);
    addMultiple(*family, options);
}

} // namespace tavu::cli
