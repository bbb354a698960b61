#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tavu::cli {

namespace {

const char* const ElementsHelp = "属性 none,fire,water,earth,wind をカンマ区切りで (省略時: すべて)";

code::DrawSpec specOf(code::Command command, const DrawArgs& args) {
    return cardSpec(command, args, ElementNames, CreatureCountRange);
}

void addSingle(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "single", "クリーチャーを 1 枚抽出し、組み込む枚数を決める");
    addGroupOption(*cmd, "--elements", ElementNames, *args, ElementsHelp);
    addRarityOption(*cmd, *args);
    addCopiesOption(*cmd, *args);
    cmd->callback([&options, args] { runCodedDraw(options, specOf(code::Command::CreatureSingle, *args)); });
}

void addMultiple(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd =
        addDrawCommand(family, "multiple", "クリーチャーを指定枚数 (重複あり) 抽出して一覧にする");
    addGroupOption(*cmd, "--elements", ElementNames, *args, ElementsHelp);
    addRarityOption(*cmd, *args);
    addCountOptions(*cmd, *args, CreatureCountRange);
    cmd->callback(
        [&options, args] { runCodedDraw(options, specOf(code::Command::CreatureMultiple, *args)); });
}

} // namespace

void addCreatureCommand(CLI::App& app, CliOptions& options) {
    CLI::App* family =
        addFamilyCommand(app, "creature", "クリーチャーの抽出 (single: 単体抽出, multiple: 複数抽出)");
    addSingle(*family, options);
    addMultiple(*family, options);
}

} // namespace tavu::cli
