#include "cli_commands.h"
#include "cli_draw_options.h"
#include "cli_output.h"
#include "draw/creature_draws.h"
#include "draw/item_draws.h"
#include "draw/output_buffer.h"
#include "draw/spell_draws.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <memory>

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
    CLI::Option* groupsOption = nullptr;
    CLI::Option* raritiesOption = nullptr;
    CLI::Option* countOption = nullptr;
};

// What sets one family apart: its name, its group boxes (none for spells), its count range
// and its two draws over the filter its page builds.
template <class Filter>
struct Family {
    const char* name;
    const char* noun; // in the help texts
    const char* groupOption = nullptr;
    const std::vector<std::string>* groupNames = nullptr;
    const char* groupHelp = nullptr;
    CountRange countRange;
    Filter (*filterOf)(const DrawArgs&);
    SingleDrawResult (*single)(const Tables&, const Filter&, const SingleCopies&, RandomSource&);
    MultipleDrawResult (*multiple)(const Tables&, const Filter&, const MultipleCount&, RandomSource&);
};

void addRarityOption(CLI::App& command, DrawArgs& args) {
    args.raritiesOption =
        command.add_option("--rarities", args.rarities, "レア度 N,S,R,E をカンマ区切りで (省略時: N,S,R)")
            ->delimiter(',')
            ->check(CLI::IsMember({"N", "S", "R", "E"}));
}

void addCopiesOption(CLI::App& command, DrawArgs& args) {
    command
        .add_option("--copies", args.copies,
                    "組み込む枚数の選択: 0 = 指定なし (1〜4枚をランダム), 1〜4 = その枚数 (既定 0)")
        ->check(CLI::Range(0, 4));
}

void addCountOptions(CLI::App& command, DrawArgs& args, const CountRange& range) {
    std::string span = std::to_string(range.min) + "〜" + std::to_string(range.max);
    args.countOption = command.add_option(
        "--count", args.count, "抽出枚数 (" + span + " に収める。既定 " + std::to_string(range.start) + ")");
    command.add_flag("--random-count", args.randomCount,
                     "指定無し: 抽出枚数を " + span + " からランダムに決める");
}

// Ticks in the page's order: every box ticked when the option was left out.
template <std::size_t N>
std::array<bool, N> ticksOf(const std::vector<std::string>& chosen, bool given,
                            const std::vector<std::string>& names) {
    std::array<bool, N> ticks{};
    ticks.fill(!given);
    for (const auto& c : chosen)
        ticks[static_cast<std::size_t>(std::find(names.begin(), names.end(), c) - names.begin())] = true;
    return ticks;
}

template <std::size_t N>
std::array<bool, N> groupTicks(const DrawArgs& args, const std::vector<std::string>& names) {
    return ticksOf<N>(args.groups, args.groupsOption && args.groupsOption->count() > 0, names);
}

RarityTicks rarityTicks(const DrawArgs& args) {
    if (!args.raritiesOption || args.raritiesOption->count() == 0)
        return StartRarities;
    static const std::vector<std::string> letters{"N", "S", "R", "E"};
    return ticksOf<RarityCount>(args.rarities, true, letters);
}

MultipleCount multipleCount(const DrawArgs& args, const CountRange& range) {
    bool given = args.countOption && args.countOption->count() > 0;
    return {given ? clampCount(args.count, range) : range.start, args.randomCount};
}

// A draw's result (exit 0) or its message on stderr (exit 3). A single draw prints the file's
// lines, or its result fields with --fields.
int printResult(const CliOptions& options, const SingleDrawResult& result) {
    if (result.end != DrawEnd::Result)
        return reportWarning(drawEndText(result.end), std::cerr);
    printLines(options,
               options.fields ? result.fields : singleDrawOutput(result.fields.front(), result.fields.back()),
               std::cout);
    return ExitOk;
}

int printResult(const CliOptions& options, const MultipleDrawResult& result) {
    if (result.end != DrawEnd::Result)
        return reportWarning(drawEndText(result.end), std::cerr);
    printLines(options, multipleDrawOutput(result.lines, result.count), std::cout);
    return ExitOk;
}

// One draw command: its options, then a callback that builds the page's filter and draws. A
// page whose boxes leave nothing to draw keeps its OK button disabled; the command line says
// so with the warning box's text and ExitWarning.
template <class Filter, class Draw>
void addDraw(CLI::App& familyCommand, CliOptions& options, const Family<Filter>& family, bool single,
             Draw draw) {
    auto args = std::make_shared<DrawArgs>();
    std::string description =
        std::string(family.noun) +
        (single ? "を 1 枚抽出し、組み込む枚数を決める" : "を指定枚数 (重複あり) 抽出して一覧にする");
    CLI::App* cmd = familyCommand.add_subcommand(single ? "single" : "multiple", description);
    if (family.groupOption)
        args->groupsOption = cmd->add_option(family.groupOption, args->groups, family.groupHelp)
                                 ->delimiter(',')
                                 ->check(CLI::IsMember(*family.groupNames));
    addRarityOption(*cmd, *args);
    if (single)
        addCopiesOption(*cmd, *args);
    else
        addCountOptions(*cmd, *args, family.countRange);
    cmd->callback([&options, args, family, draw] {
        runCommand(options, [&](const CliData& data, RandomSource& random) {
            Filter filter = family.filterOf(*args);
            if (!okButtonEnabled(filter))
                return reportWarning(DrawWarningText, std::cerr);
            return printResult(options, draw(data.tables, filter, *args, random));
        });
    });
}

template <class Filter>
void addFamily(CLI::App& app, CliOptions& options, const Family<Filter>& family) {
    CLI::App* familyCommand = app.add_subcommand(
        family.name, std::string(family.noun) + "の抽出 (single: 単体抽出, multiple: 複数抽出)");
    familyCommand->require_subcommand(1);
    addDraw(
        *familyCommand, options, family, true,
        [single = family.single](const Tables& t, const Filter& f, const DrawArgs& args, RandomSource& r) {
            return single(t, f, SingleCopies{args.copies, {}}, r);
        });
    addDraw(*familyCommand, options, family, false,
            [family](const Tables& t, const Filter& f, const DrawArgs& args, RandomSource& r) {
                return family.multiple(t, f, multipleCount(args, family.countRange), r);
            });
}

const std::vector<std::string> KindOptionNames{"weapon", "armour", "item", "scroll"};

const Family<CreatureFilter> Creatures{
    "creature",
    "クリーチャー",
    "--elements",
    &ElementOptionNames,
    "属性 none,fire,water,earth,wind をカンマ区切りで (省略時: すべて)",
    CreatureCountRange,
    [](const DrawArgs& args) {
        return CreatureFilter{groupTicks<ElementCount>(args, ElementOptionNames), rarityTicks(args)};
    },
    drawCreatureSingle,
    drawCreatureMultiple};

const Family<ItemFilter> Items{
    "item",
    "アイテム",
    "--kinds",
    &KindOptionNames,
    "種類 weapon,armour,item,scroll をカンマ区切りで (省略時: すべて)",
    ItemCountRange,
    [](const DrawArgs& args) {
        return ItemFilter{groupTicks<ItemKindCount>(args, KindOptionNames), rarityTicks(args)};
    },
    drawItemSingle,
    drawItemMultiple};

const Family<RarityTicks> Spells{"spell",         "スペル",    nullptr,         nullptr,          nullptr,
                                 SpellCountRange, rarityTicks, drawSpellSingle, drawSpellMultiple};

} // namespace

void addCardDrawCommands(CLI::App& app, CliOptions& options) {
    addFamily(app, options, Creatures);
    addFamily(app, options, Items);
    addFamily(app, options, Spells);
}

} // namespace tavu::cli
