#include "battle_map.h"

#include "map_pick.h"
#include "store/sjis_text.h"

#include <optional>

namespace tavu::map {

namespace {

using Text = std::optional<std::string>; // nullopt: the box keeps what it shows

std::string sj(std::string_view utf8) {
    return sjis::fromUtf8OrThrow(utf8);
}

// r = Random(n) picks texts[r]; a fixed choice makes no call.
std::string drawOne(RandomSource& random, std::initializer_list<std::string_view> texts) {
    auto r = random.Random(static_cast<std::uint32_t>(texts.size()));
    return sj(texts.begin()[r]);
}

Text landElement(int position, RandomSource& random) {
    switch (position) {
    case 0:
        return drawOne(random, {" 標準", " シャッフル", " 全無属性"});
    case 1:
        return drawOne(random, {" シャッフル", " 全無属性"});
    case 2:
        return drawOne(random, {" 標準", " 全無属性"});
    case 3:
        return drawOne(random, {" 標準", " シャッフル"});
    default:
        return std::nullopt;
    }
}

// Land level and sudden death: position 0 draws one of two, 1 and 2 fix the answer.
Text eitherOr(int position, RandomSource& random, std::string_view first, std::string_view second) {
    switch (position) {
    case 0:
        return drawOne(random, {first, second});
    case 1:
        return sj(first);
    case 2:
        return sj(second);
    default:
        return std::nullopt;
    }
}

// Every step value from minimum to maximum is equally likely when both lie on the grid;
// off the grid the formula still applies, so 5500-9000 can give 9500.
Text stepValue(int minimum, int maximum, int step, RandomSource& random) {
    if (minimum > maximum)
        return std::nullopt;
    auto r = static_cast<int>(random.Random(static_cast<std::uint32_t>(maximum - minimum + step)));
    return " " + std::to_string(minimum + step * (r / step));
}

void showNoMap(MapDisplay& display) {
    display.facilities = {};
    display.editU[0].clear();
    display.editU[7] = display.editU[8] = display.editU[9] = sj(" ？");
}

void showMap(MapDisplay& display, const MapRecord& map) {
    display.facilities = {map.hasSanctuary == 1, map.hasShrine == 1, map.hasWarpCircle == 1,
                          map.hasShop == 1};
    display.editU[0] = map.name;
    display.editU[7] = " " + std::to_string(map.maxDice);
    display.editU[8] = "  " + std::to_string(map.firstPrizeCards);
    display.editU[9] = " " + map.forts;
}

void drawMap(const Table<MapRecord>& maps, const MapRequest& request, MapResult& result,
             RandomSource& random) {
    if (!request.ticked[MapItem])
        return showNoMap(result.display);
    if (request.mapCondition < 0 || request.mapCondition >= MapConditionCount)
        return;
    auto pick = pickMap(maps, static_cast<MapCondition>(request.mapCondition), random);
    if (pick.record)
        return showMap(result.display, *pick.record);
    // Leaving the last map on show would pass it off as this draw's result.
    showNoMap(result.display);
    result.message = pick.message;
}

// A ticked item shows what `draw` gives (or keeps its box when that is nothing); an
// unticked one makes no call and shows `cleared`.
template <class Draw>
void drawItem(MapResult& result, const MapRequest& request, Item item, int editU, Draw draw,
              std::string_view cleared = "") {
    auto& box = result.display.editU[static_cast<std::size_t>(editU - 1)];
    if (!request.ticked[item])
        box = cleared;
    else if (Text text = draw())
        box = *text;
}

} // namespace

MapResult drawBattleMap(const Table<MapRecord>& maps, const MapRequest& request, const MapDisplay& previous,
                        RandomSource& random) {
    MapResult result{previous, {}};
    const auto& s = request.spins;
    drawMap(maps, request, result, random);
    drawItem(
        result, request, LandElementItem, 2, [&] { return landElement(request.landElement, random); }, " ");
    drawItem(result, request, LandLevelItem, 3,
             [&] { return eitherOr(request.landLevel, random, " Lv 1", " Lv 2"); });
    drawItem(result, request, MagicItem, 4,
             [&] { return stepValue(s[MagicMin], s[MagicMax], 1000, random); });
    drawItem(result, request, SuddenDeathItem, 5,
             [&] { return eitherOr(request.suddenDeath, random, " オン", " オフ"); });
    drawItem(result, request, PeriodItem, 6,
             [&] { return stepValue(s[PeriodMin], s[PeriodMax], 5, random); });
    drawItem(result, request, TimeLimitItem, 7, [&] { return stepValue(s[TimeMin], s[TimeMax], 5, random); });
    return result;
}

bool mapDrawEnabled(const std::array<bool, ItemCount>& ticked) {
    for (int i = MapItem; i <= SuddenDeathItem; ++i)
        if (ticked[static_cast<std::size_t>(i)])
            return true;
    return false;
}

} // namespace tavu::map
