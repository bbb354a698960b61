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
    std::vector<const CLI::Option*> items; // in the order of the page's tick boxes
};

map::MapRequest requestFrom(MapOptions given) {
    map::MapRequest& request = given.request;
    // An item is ticked when its option is given.
    std::ranges::transform(given.items, request.ticked.begin(),
                           [](const CLI::Option* item) { return item->count() > 0; });
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

} // namespace

void addMapCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("map", "対戦マップ: マップと対戦ルールを抽出する (指定した項目だけ)");
    auto given = std::make_shared<MapOptions>();
    map::MapRequest& request = given->request;
    const auto choice = [&](const char* name, int& position, const char* help, int last) {
        given->items.push_back(command->add_option(name, position, help)->check(CLI::Range(0, last)));
    };
    const auto range = [&](const char* name, std::vector<int>& values, const char* help) {
        given->items.push_back(command->add_option(name, values, help)->expected(2)->delimiter(','));
    };
    choice("--map", request.mapCondition,
           "マップを抽出。K は条件 (0 条件指定なし … 6 ダウンロードマップのみ)", 6);
    choice("--land-element", request.landElement,
           "土地属性を抽出 (0 指定しない、1 標準以外、2 シャッフル以外、3 全無属性以外)", 3);
    choice("--land-level", request.landLevel, "土地レベルを抽出 (0 指定しない、1 Lv 1、2 Lv 2)", 2);
    range("--magic", given->magic, "魔力条件を抽出: MIN,MAX (5000〜89000, 5000〜90000)");
    choice("--sudden-death", request.suddenDeath, "サドンデスを抽出 (0 指定しない、1 オン、2 オフ)", 2);
    range("--period", given->period, "期間条件を抽出: MIN,MAX (30〜90, 35〜95)");
    range("--time-limit", given->timeLimit, "時間制限を抽出: MIN,MAX (10〜85, 15〜90)");
    command->callback([&options, given] { runCodedDraw(options, code::mapPlan(requestFrom(*given))); });
}

} // namespace tavu::cli
