#include "cli_commands.h"
#include "cli_draw_options.h"
#include "cli_output.h"
#include "draw/item_draws.h"

#include <CLI/CLI.hpp>
#include <memory>

namespace tavu::cli {

namespace {

const char* const KindsHelp = "種類 weapon,armour,item,scroll をカンマ区切りで (省略時: すべて)";

ItemFilter filterOf(const DrawArgs& args) {
    return {toArray<ItemKindCount>(groupTicks(args, KindNames)), rarityTicks(args)};
}

void addSingle(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "single", "アイテムを 1 枚抽出し、組み込む枚数を決める");
    addGroupOption(*cmd, "--kinds", KindNames, *args, KindsHelp);
    addRarityOption(*cmd, *args);
    addCopiesOption(*cmd, *args);
    cmd->callback([&options, args] {
        runCommand(options, [&](const CliData& data, RandomSource& random) {
            ItemFilter filter = filterOf(*args);
            if (!okButtonEnabled(filter))
                return refuseDisabledDraw();
            return printSingleResult(
                options, drawItemSingle(data.tables, filter, SingleCopies{args->copies, {}}, random));
        });
    });
}

void addMultiple(CLI::App& family, CliOptions& options) {
    auto args = std::make_shared<DrawArgs>();
    CLI::App* cmd = addDrawCommand(family, "multiple", "アイテムを指定枚数 (重複あり) 抽出して一覧にする");
    addGroupOption(*cmd, "--kinds", KindNames, *args, KindsHelp);
    addRarityOption(*cmd, *args);
    addCountOptions(*cmd, *args, ItemCountRange);
    cmd->callback([&options, args] {
        runCommand(options, [&](const CliData& data, RandomSource& random) {
            ItemFilter filter = filterOf(*args);
            if (!okButtonEnabled(filter))
                return refuseDisabledDraw();
            return printMultipleResult(
                options, drawItemMultiple(data.tables, filter, multipleCount(*args, ItemCountRange), random));
        });
    });
}

} // namespace

void addItemCommand(CLI::App& app, CliOptions& options) {
    CLI::App* family = addFamilyCommand(app, "item", "アイテムの抽出 (single: 単体抽出, multiple: 複数抽出)");
    addSingle(*family, options);
    addMultiple(*family, options);
}

} // namespace tavu::cli
