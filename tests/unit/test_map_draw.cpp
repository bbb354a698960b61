#include "match/battle_map.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <set>

namespace tavu::map {

using test::sj;

namespace {
MapRecord mapRecord(std::string_view name, int sanctuary, int download, int dice = 6) {
    MapRecord map;
    map.hasSanctuary = sanctuary;
    map.hasShrine = 1;
    map.hasWarpCircle = 0;
    map.hasShop = 2; // only exactly 1 shows as present
    map.maxDice = dice;
    map.firstPrizeCards = 3;
    map.name = " " + std::string(name);
    map.forts = "  4";
    map.isDownloadMap = download;
    return map;
}

Table<MapRecord> threeMaps() {
    Table<MapRecord> maps(3);
    maps.append(mapRecord("A", 1, 0, 6));
    maps.append(mapRecord("B", 0, 0, 8));
    maps.append(mapRecord("C", 1, 1, 9));
    return maps;
}

MapRequest only(std::initializer_list<Item> items) {
    MapRequest request;
    for (auto item : items)
        request.ticked[item] = true;
    return request;
}

MapResult draw(const MapRequest& request, std::uint32_t seed, const Table<MapRecord>& maps = threeMaps(),
               const MapDisplay& previous = {}) {
    RandomSource random;
    random.setSeed(seed);
    return drawBattleMap(maps, request, previous, random);
}

RandomSource seeded(std::uint32_t seed) {
    RandomSource random;
    random.setSeed(seed);
    return random;
}

const std::string kLandElements[] = {sj(" 標準"), sj(" シャッフル"), sj(" 全無属性")};
} // namespace

TEST(MapDraw, AnyMapMakesOneCallOverTheWholeTableBeforeTheLandElement) {
    auto result = draw(only({MapItem, LandElementItem}), 77);
    auto replay = seeded(77);
    auto mapIndex = replay.Random(3);
    auto land = replay.Random(3);
    const auto& d = result.display;
    EXPECT_EQ(d.editU[0], threeMaps()[static_cast<std::int32_t>(mapIndex)].name);
    EXPECT_EQ(d.editU[1], kLandElements[land]);
    EXPECT_EQ(d.editU[8], "  3");
    EXPECT_EQ(d.editU[9], " " + std::string("  4"));
    EXPECT_EQ(d.facilities, (std::array<bool, 4>{mapIndex != 1, true, false, false}));
    EXPECT_TRUE(result.message.empty());
}

TEST(MapDraw, UntickedMapMakesNoCallAndShowsQuestionMarks) {
    MapDisplay previous;
    previous.facilities = {true, true, true, true};
    previous.editU[0] = "old";
    auto result = draw(only({LandElementItem}), 5, threeMaps(), previous);
    EXPECT_EQ(result.display.facilities, (std::array<bool, 4>{}));
    EXPECT_EQ(result.display.editU[0], "");
    for (int box : {7, 8, 9})
        EXPECT_EQ(result.display.editU[static_cast<std::size_t>(box)], sj(" ？"));
    auto replay = seeded(5);
    EXPECT_EQ(result.display.editU[1], kLandElements[replay.Random(3)]);
}

TEST(MapDraw, UntickedItemsClearTheirBoxesAndLandElementKeepsOneBlank) {
    MapDisplay previous;
    previous.editU.fill("old");
    auto result = draw(only({MapItem}), 1, threeMaps(), previous);
    const auto& box = result.display.editU;
    EXPECT_EQ(box[1], " ");
    for (int i : {2, 3, 4, 5, 6})
        EXPECT_EQ(box[static_cast<std::size_t>(i)], "") << "EditU" << i + 1;
}

TEST(MapDraw, ConditionsOnlyEverPickMapsThatMeetThem) {
    auto request = only({MapItem});
    request.mapCondition = 1; // no 聖堂: only B
    for (std::uint32_t seed = 0; seed < 20; ++seed)
        EXPECT_EQ(draw(request, seed).display.editU[0], " B");
    request.mapCondition = 6; // download maps only: only C
    EXPECT_EQ(draw(request, 3).display.editU[0], " C");
    EXPECT_EQ(draw(request, 3).display.editU[7], " 9");
}

TEST(MapDraw, NoMapMeetingTheConditionStopsTheMapButNotTheRules) {
    Table<MapRecord> standardOnly(2);
    standardOnly.append(mapRecord("A", 1, 0));
    standardOnly.append(mapRecord("B", 0, 0));
    auto request = only({MapItem, LandElementItem});
    request.mapCondition = 6;
    MapDisplay previous;
    previous.editU[0] = " A";
    auto result = draw(request, 21, standardOnly, previous);
    EXPECT_NE(result.message.find("条件に合う対戦マップがありません"), std::string::npos);
    EXPECT_EQ(result.display.editU[0], "") << "the last map must not pass as this draw's";
    EXPECT_EQ(result.display.editU[7], sj(" ？"));
    auto replay = seeded(21);
    EXPECT_EQ(result.display.editU[1], kLandElements[replay.Random(3)]) << "no call was made for the map";
}

TEST(MapDraw, EmptyMapTableStopsTheMapWithItsOwnMessage) {
    auto result = draw(only({MapItem, MagicItem}), 2, Table<MapRecord>(0));
    EXPECT_NE(result.message.find("RM_Map.tri"), std::string::npos);
    EXPECT_FALSE(result.display.editU[3].empty());
}

TEST(MapDraw, BlankRecordsBeyondTheFileCountForTheExcludingConditions) {
    Table<MapRecord> maps(3);
    maps.append(mapRecord("A", 1, 1));
    auto request = only({MapItem});
    request.mapCondition = 1;
    auto result = draw(request, 9, maps);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(result.display.editU[0], "");
    EXPECT_EQ(result.display.editU[7], " 0");
}

TEST(MapDraw, ComboWithNoEntryLeavesItsBoxAndMakesNoCall) {
    auto request = only({MapItem, LandElementItem, LandLevelItem, SuddenDeathItem, MagicItem});
    request.mapCondition = request.landElement = request.landLevel = request.suddenDeath = NoEntry;
    request.spins[MagicMin] = 6000;
    request.spins[MagicMax] = 6000;
    MapDisplay previous;
    previous.editU.fill("old");
    auto result = draw(request, 8, threeMaps(), previous);
    for (int i : {0, 1, 2, 4})
        EXPECT_EQ(result.display.editU[static_cast<std::size_t>(i)], "old");
    EXPECT_EQ(result.display.editU[3], " 6000");
}

TEST(MapDraw, FixedLevelAndSuddenDeathMakeNoCall) {
    auto request = only({LandLevelItem, SuddenDeathItem, PeriodItem});
    request.landLevel = 2;
    request.suddenDeath = 1;
    request.spins[PeriodMin] = 30;
    request.spins[PeriodMax] = 95;
    auto result = draw(request, 40);
    EXPECT_EQ(result.display.editU[2], sj(" Lv 2"));
    EXPECT_EQ(result.display.editU[4], sj(" オン"));
    auto replay = seeded(40);
    EXPECT_EQ(result.display.editU[5], " " + std::to_string(30 + 5 * (replay.Random(70) / 5)));
}

TEST(MapDraw, MagicOnTheGridGivesEachStepAndOffTheGridCanOvershoot) {
    auto request = only({MagicItem});
    std::set<std::string> seen;
    for (std::uint32_t seed = 0; seed < 200; ++seed)
        seen.insert(draw(request, seed).display.editU[3]);
    EXPECT_EQ(seen, (std::set<std::string>{" 6000", " 7000", " 8000", " 9000"}));

    request.spins = setSpin(request.spins, MagicMin, 5500);
    ASSERT_EQ(request.spins[MagicMin], 5500);
    std::uint32_t seed = 0;
    while (seeded(seed).Random(4500) < 4000)
        ++seed;
    EXPECT_EQ(draw(request, seed).display.editU[3], " 9500");
}

TEST(MapDraw, EqualBoundsStillCallRandomAndMinimumAboveMaximumKeepsTheBox) {
    auto request = only({PeriodItem, TimeLimitItem});
    request.spins[PeriodMin] = request.spins[PeriodMax] = 50;
    request.spins[TimeMin] = 60;
    request.spins[TimeMax] = 15;
    MapDisplay previous;
    previous.editU[6] = " 45";
    RandomSource random = seeded(3);
    auto result = drawBattleMap(threeMaps(), request, previous, random);
    EXPECT_EQ(result.display.editU[5], " 50");
    EXPECT_EQ(result.display.editU[6], " 45");
    auto replay = seeded(3);
    replay.Random(5);
    EXPECT_EQ(random.seed(), replay.seed()) << "exactly one call, for the period";
}

TEST(MapDraw, OkNeedsOneOfTheFirstFiveItems) {
    EXPECT_FALSE(mapDrawEnabled(only({PeriodItem}).ticked));
    EXPECT_FALSE(mapDrawEnabled(only({PeriodItem, TimeLimitItem}).ticked));
    EXPECT_TRUE(mapDrawEnabled(only({SuddenDeathItem}).ticked));
}

} // namespace tavu::map
