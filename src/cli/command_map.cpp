#include "cli_commands.h"
#include "coded_draw.h"
#include "match/battle_map.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>

namespace tavu::cli {

namespace {
// The combos' positions go straight into the request; the ranges are typed in one go.
struct MapOptions {
    map::MapRequest request;
    std::vector<int> magic, period, timeLimit;
};

// An item is ticked when its option is given.
map::MapRequest requestFrom(const CLI::App& command, MapOptions given) {
    map::MapRequest& request = given.request;
    std::size_t item = 0;
    for (const char* name :
         {"--map", "--land-element", "--land-level", "--magic", "--sudden-death", "--period", "--time-limit"})
        request.ticked[item++] = command.count(name) > 0;
    if (std::none_of(request.ticked.begin(), request.ticked.end(), std::identity{}))
        throw CLI::ValidationError("map", "抽出する項目を 1 つ以上指定して下さい");
    // The page's OK button stays disabled for the period and time limit alone.
    if (!map::mapDrawEnabled(request.ticked))
        throw CLI::ValidationError("map", "期間条件と時間制限だけでは抽出できません。"
                                          "--map、--land-element、--land-level、--magic、--sudden-death "
                                          "のいずれかも指定して下さい");
    auto range = [&](map::Spin minimum, const std::vector<int>& values) {
        if (values.size() == 2)
            request.spins = map::setRange(request.spins, minimum, values[0], values[1]);
    };
    range(map::MagicMin, given.magic);
    range(map::PeriodMin, given.period);
    range(map::TimeMin, given.timeLimit);
    return request;
}

void addPair(CLI::App* command, const char* name, std::vector<int>& values, const char* help) {
    command->add_option(name, values, help)->expected(2)->delimiter(',');
}
} // namespace

void addMapCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("map", "対戦マップ: マップと対戦ルールを抽出する (指定した項目だけ)");
    auto given = std::make_shared<MapOptions>();
    map::MapRequest& request = given->request;
    command
        ->add_option("--map", request.mapCondition,
                     "マップを抽出。K は条件 (0 条件指定なし … 6 ダウンロードマップのみ)")
        ->check(CLI::Range(0, 6));
    command
        ->add_option("--land-element", request.landElement,
                     "土地属性を抽出 (0 指定しない、1 標準以外、2 シャッフル以外、3 全無属性以外)")
        ->check(CLI::Range(0, 3));
    command->add_option("--land-level", request.landLevel, "土地レベルを抽出 (0 指定しない、1 Lv 1、2 Lv 2)")
        ->check(CLI::Range(0, 2));
    addPair(command, "--magic", given->magic, "魔力条件を抽出: MIN,MAX (5000〜89000, 5000〜90000)");
    command
        ->add_option("--sudden-death", request.suddenDeath, "サドンデスを抽出 (0 指定しない、1 オン、2 オフ)")
        ->check(CLI::Range(0, 2));
    addPair(command, "--period", given->period, "期間条件を抽出: MIN,MAX (30〜90, 35〜95)");
    addPair(command, "--time-limit", given->timeLimit, "時間制限を抽出: MIN,MAX (10〜85, 15〜90)");
    command->callback(
        [&options, command, given] { runCodedDraw(options, code::mapPlan(requestFrom(*command, *given))); });
}

} // namespace tavu::cli
