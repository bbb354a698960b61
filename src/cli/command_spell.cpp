#include "cli_commands.h"
#include "cli_draw_options.h"
#include "cli_output.h"
#include "draw/spell_draws.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tavu::cli {

namespace {

void addSingle(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "single", "スペルを 1 枚抽出し、組み込む枚数を決める");
    addRarityOption(*cmd, *args);
    addCopiesOption(*cmd, *args);
    cmd->callback([&options, args] {
        runCommand(options, [&](const CliData& data, RandomSource& random) {
            RarityTicks rarities = rarityTicks(*args);
            if (!okButtonEnabled(rarities))
                return refuseDisabledDraw();
            return printSingleResult(
                options, drawSpellSingle(data.tables, rarities, SingleCopies{args->copies, {}}, random));
        });
    });
}

void addMultiple(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "multiple", "スペルを指定枚数 (重複あり) 抽出して一覧にする");
    addRarityOption(*cmd, *args);
    addCountOptions(*cmd, *args, SpellCountRange);
    cmd->callback([&options, args] {
        runCommand(options, [&](const CliData& data, RandomSource& random) {
            RarityTicks rarities = rarityTicks(*args);
            if (!okButtonEnabled(rarities))
                return refuseDisabledDraw();
            return printMultipleResult(
                options,
                drawSpellMultiple(data.tables, rarities, multipleCount(*args, SpellCountRange), random));
        });
    });
}

} // namespace

void addSpellCommand(CLI::App& app, CliOptions& options) {
    CLI::App* family = addFamilyCommand(app, "spell", "スペルの抽出 (single: 単体抽出, multiple: 複数抽出)");
    addSingle(*family, options);
    addMultiple(*family, options);
}

} // namespace tavu::cli
