#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tavu::cli {

namespace {

code::DrawSpec specOf(code::Command command, const DrawArgs& args) {
    return cardSpec(command, args, NoGroups, SpellCountRange);
}

void addSingle(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "single", "スペルを 1 枚抽出し、組み込む枚数を決める");
    addRarityOption(*cmd, *args);
    addCopiesOption(*cmd, *args);
    cmd->callback([&options, args] { runCodedDraw(options, specOf(code::Command::SpellSingle, *args)); });
}

void addMultiple(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "multiple", "スペルを指定枚数 (重複あり) 抽出して一覧にする");
    addRarityOption(*cmd, *args);
    addCountOptions(*cmd, *args, SpellCountRange);
    cmd->callback([&options, args] { runCodedDraw(options, specOf(code::Command::SpellMultiple, *args)); });
}

} // namespace

void addSpellCommand(CLI::App& app, CliOptions& options) {
    CLI::App* family = addFamilyCommand(app, "spell", "スペルの抽出 (single: 単体抽出, multiple: 複数抽出)");
    addSingle(*family, options);
    addMultiple(*family, options);
}

} // namespace tavu::cli
