#include "battle_map.h"

#include "store/sjis_text.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace tavu::map {

namespace {

using Text = std::optional<std::string>; // nullopt: the box keeps what it shows

// r = Random(n) picks texts[r]; a fixed choice makes no call.
std::string drawOne(RandomSource& random, const std::vector<std::string_view>& texts) {
    auto r = random.Random(static_cast<std::uint32_t>(texts.size()));
    return sjis::fromUtf8OrThrow(texts[r]);
}

// Position 0 draws among all three; 1, 2 and 3 leave out the first, second or third.
Text landElement(int position, RandomSource& random) {
    if (position < 0 || position > 3)
        return std::nullopt;
    std::vector<std::string_view> texts{" 標準", " シャッフル", " 全無属性"};
    if (position > 0)
        texts.erase(texts.begin() + position - 1);
    return drawOne(random, texts);
}

// Land level and sudden death: position 0 draws one of two, 1 and 2 fix the answer.
Text eitherOr(int position, RandomSource& random, std::string_view first, std::string_view second) {
    if (position < 0 || position > 2)
        return std::nullopt;
    return position == 0 ? drawOne(random, {first, second})
                         : sjis::fromUtf8OrThrow(position == 1 ? first : second);
}

// A value of the range from spin `low` to the next, in the spin edits' steps. Every step value
// is equally likely when both ends lie on the grid; off the grid the formula still applies, so
// 5500-9000 can give 9500.
Text stepValue(const MapSpins& spins, Spin low, RandomSource& random) {
    const int minimum = spins[low];
    const int maximum = spins[low + 1];
    const int step = SpinTable[low].step;
    if (minimum > maximum)
        return std::nullopt;
    auto r = static_cast<int>(random.Random(static_cast<std::uint32_t>(maximum - minimum + step)));
    return " " + std::to_string(minimum + step * (r / step));
}

// The entries of CBSet1 in order: the flag each condition looks at and the value it asks
// for; the first, "条件指定なし", looks at none.
struct MapCondition {
    std::int32_t MapRecord::*flag;
    std::int32_t wanted;
};
constexpr std::array<MapCondition, 7> MapConditions = {{{nullptr, 0},
                                                        {&MapRecord::hasSanctuary, 0},
                                                        {&MapRecord::hasShrine, 0},
                                                        {&MapRecord::hasWarpCircle, 0},
                                                        {&MapRecord::hasShop, 0},
                                                        {&MapRecord::isDownloadMap, 0},
                                                        {&MapRecord::isDownloadMap, 1}}};

bool meets(const MapRecord& map, const MapCondition& condition) {
    return !condition.flag || map.*condition.flag == condition.wanted;
}

// One Random call over the maps of the whole table (MapCount records, blanks beyond the file
// included) that meet `condition`, counted afresh at every press; none at all when no map
// does, so an empty list is never indexed. Null with `message` set when nothing was drawn.
const MapRecord* pickMap(const Table<MapRecord>& maps, const MapCondition& condition, RandomSource& random,
                         std::string& message) {
    if (maps.size() == 0) {
        message = "対戦マップのデータがありません。データファイル (RM_Map.tri) を確認して下さい。";
        return nullptr;
    }
    const auto& stored = maps.stored();
    auto count = static_cast<std::int32_t>(
        std::ranges::count_if(stored, [&](const MapRecord& map) { return meets(map, condition); }));
    if (meets(MapRecord{}, condition))
        count += maps.size() - static_cast<std::int32_t>(stored.size());
    if (count == 0) {
        message = "条件に合う対戦マップがありません。マップの条件を変更して下さい。";
        return nullptr;
    }
    auto n = static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(count)));
    // Blank records stand after the stored ones, so the n-th map meeting the condition is
    // either a stored record or the blank record.
    for (const auto& map : stored)
        if (meets(map, condition) && n-- == 0)
            return &map;
    return &maps[maps.size()];
}

void showNoMap(MapDisplay& display) {
    display.facilities = {};
    display.editU[0].clear();
    display.editU[7] = display.editU[8] = display.editU[9] = sjis::fromUtf8OrThrow(" ？");
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
    if (request.mapCondition < 0 || request.mapCondition >= std::ssize(MapConditions))
        return;
    const auto& condition = MapConditions[static_cast<std::size_t>(request.mapCondition)];
    if (const MapRecord* map = pickMap(maps, condition, random, result.message))
        return showMap(result.display, *map);
    // Leaving the last map on show would pass it off as this draw's result.
    showNoMap(result.display);
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
    drawItem(result, request, MagicItem, 4, [&] { return stepValue(s, MagicMin, random); });
    drawItem(result, request, SuddenDeathItem, 5,
             [&] { return eitherOr(request.suddenDeath, random, " オン", " オフ"); });
    drawItem(result, request, PeriodItem, 6, [&] { return stepValue(s, PeriodMin, random); });
    drawItem(result, request, TimeLimitItem, 7, [&] { return stepValue(s, TimeMin, random); });
    return result;
}

bool mapDrawEnabled(const std::array<bool, ItemCount>& ticked) {
    return std::any_of(ticked.begin(), ticked.begin() + SuddenDeathItem + 1, std::identity{});
}

} // namespace tavu::map
