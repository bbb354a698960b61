#include "cli_draw_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>

namespace tavu::cli {

CLI::App* addFamilyCommand(CLI::App& app, const std::string& name, const std::string& description) {
    CLI::App* family = app.add_subcommand(name, description);
    family->require_subcommand(1);
    return family;
}

CLI::App* addDrawCommand(CLI::App& family, const std::string& name, const std::string& description) {
    return family.add_subcommand(name, description);
}

void addGroupOption(CLI::App& command, const std::string& name, const std::vector<std::string>& names,
                    DrawArgs& args, const std::string& description) {
    args.groupsOption =
        command.add_option(name, args.groups, description)->delimiter(',')->check(CLI::IsMember(names));
}

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

std::vector<bool> groupTicks(const DrawArgs& args, const std::vector<std::string>& names) {
    bool given = args.groupsOption && args.groupsOption->count() > 0;
    std::vector<bool> ticks(names.size(), !given);
    for (const auto& g : args.groups)
        ticks[static_cast<std::size_t>(std::find(names.begin(), names.end(), g) - names.begin())] = true;
    return ticks;
}

RarityTicks rarityTicks(const DrawArgs& args) {
    if (!args.raritiesOption || args.raritiesOption->count() == 0)
        return StartRarities;
    static const std::vector<std::string> letters{"N", "S", "R", "E"};
    std::vector<bool> ticks(letters.size(), false);
    for (const auto& r : args.rarities)
        ticks[static_cast<std::size_t>(std::find(letters.begin(), letters.end(), r) - letters.begin())] =
            true;
    return toArray<RarityCount>(ticks);
}

MultipleCount multipleCount(const DrawArgs& args, const CountRange& range) {
    bool given = args.countOption && args.countOption->count() > 0;
    return {given ? clampCount(args.count, range) : range.start, args.randomCount};
}

code::DrawSpec cardSpec(code::Command command, const DrawArgs& args,
                        const std::vector<std::string>& groupNames, const CountRange& range) {
    code::DrawSpec spec;
    spec.command = command;
    auto ticks = groupTicks(args, groupNames);
    for (std::size_t i = 0; i < ticks.size(); ++i)
        spec.card.groups[i] = ticks[i];
    spec.card.rarities = rarityTicks(args);
    spec.card.copies = args.copies;
    spec.card.count = multipleCount(args, range);
    return spec;
}

} // namespace tavu::cli
