#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"
#include "draw/draw_filter.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <optional>

// The card families' commands, `<family> single` and `<family> multiple`. Their filter and
// count options map onto a page's controls: left out, each takes the page's start state.
namespace tavu::cli {

namespace {

struct DrawArgs {
    std::vector<std::string> groups;   // --elements or --kinds
    std::vector<std::string> rarities; // --rarities
    int copies = 0;                    // --copies: the copies combo's index
    std::int64_t count = 0;            // --count: put through the spin edit's range
    bool randomCount = false;          // --random-count: the "指定無し" box
};

// A family's group boxes as an option names them: the creatures' elements, the items' kinds.
struct Groups {
    const char* option;
    const char* noun; // in the help text
    const std::vector<std::string>& names;
};

// What sets one family apart: its name, its group boxes (none for spells), its count range
// and the commands its two draws are in a draw code.
struct Family {
    const char* name;
    const char* noun; // in the help texts
    std::optional<Groups> groups;
    CountRange countRange;
    code::Command single;
    code::Command multiple;
};

const std::vector<std::string> RarityLetters{"N", "S", "R", "E"};

// The page's controls as the draw reads them; an option left out leaves its control in the
// page's start state. A family without group boxes, and the kind boxes' unused fifth place,
// stay ticked, as a code without them reads.
code::DrawPlan planOf(const Family& family, code::Command command, const CLI::App& cmd,
                      const DrawArgs& args) {
    code::DrawPlan plan;
    plan.command = command;
    if (const auto& groups = family.groups) {
        const auto ticks = ticksOf<ElementCount>(args.groups, cmd.count(groups->option) > 0, groups->names);
        std::copy_n(ticks.begin(), groups->names.size(), plan.card.groups.begin());
    }
    if (cmd.count("--rarities") > 0)
        plan.card.rarities = ticksOf<RarityCount>(args.rarities, true, RarityLetters);
    plan.card.copies = args.copies;
    const CLI::Option* count = cmd.get_option_no_throw("--count");
    const CountRange& range = family.countRange;
    plan.card.count = {count && count->count() > 0 ? clampCount(args.count, range) : range.start,
                       args.randomCount};
    return plan;
}

// One draw command: its options, then a callback that draws what they set on the page. A
// page whose boxes leave nothing to draw keeps its OK button disabled; the command line says
// so with the warning box's text and ExitWarning.
void addDraw(CLI::App& familyCommand, CliOptions& options, const Family& family, bool single) {
    auto args = std::make_shared<DrawArgs>();
    std::string description =
        std::string(family.noun) +
        (single ? "を 1 枚抽出し、組み込む枚数を決める" : "を指定枚数 (重複あり) 抽出して一覧にする");
    CLI::App* cmd = familyCommand.add_subcommand(single ? "single" : "multiple", description);
    if (const auto& groups = family.groups) {
        std::string names;
        for (const auto& name : groups->names)
            names += (names.empty() ? "" : ",") + name;
        cmd->add_option(groups->option, args->groups,
                        std::string(groups->noun) + " " + names + " をカンマ区切りで (省略時: すべて)")
            ->delimiter(',')
            ->check(CLI::IsMember(groups->names));
    }
    cmd->add_option("--rarities", args->rarities, "レア度 N,S,R,E をカンマ区切りで (省略時: N,S,R)")
        ->delimiter(',')
        ->check(CLI::IsMember(RarityLetters));
    const CountRange& range = family.countRange;
    std::string span = std::to_string(range.min) + "〜" + std::to_string(range.max);
    if (single) {
        cmd->add_option("--copies", args->copies,
                        "組み込む枚数の選択: 0 = 指定なし (1〜4枚をランダム), 1〜4 = その枚数 (既定 0)")
            ->check(CLI::Range(0, 4));
    } else {
        cmd->add_option("--count", args->count,
                        "抽出枚数 (" + span + " に収める。既定 " + std::to_string(range.start) + ")");
        cmd->add_flag("--random-count", args->randomCount,
                      "指定無し: 抽出枚数を " + span + " からランダムに決める");
    }
    const code::Command command = single ? family.single : family.multiple;
    cmd->callback([&options, args, &family, command, cmd] {
        runCodedDraw(options, planOf(family, command, *cmd, *args));
    });
}

void addFamily(CLI::App& app, CliOptions& options, const Family& family) {
    CLI::App* familyCommand = app.add_subcommand(
        family.name, std::string(family.noun) + "の抽出 (single: 単体抽出, multiple: 複数抽出)");
    familyCommand->require_subcommand(1);
    addDraw(*familyCommand, options, family, true);
    addDraw(*familyCommand, options, family, false);
}

const std::vector<std::string> KindOptionNames{"weapon", "armour", "item", "scroll"};

const Family Families[] = {
    {"creature", "クリーチャー", Groups{"--elements", "属性", ElementOptionNames}, CreatureCountRange,
     code::Command::CreatureSingle, code::Command::CreatureMultiple},
    {"item", "アイテム", Groups{"--kinds", "種類", KindOptionNames}, ItemCountRange,
     code::Command::ItemSingle, code::Command::ItemMultiple},
    {"spell", "スペル", std::nullopt, SpellCountRange, code::Command::SpellSingle,
     code::Command::SpellMultiple},
};

} // namespace

void addCardDrawCommands(CLI::App& app, CliOptions& options) {
    for (const Family& family : Families)
        addFamily(app, options, family);
}

} // namespace tavu::cli
