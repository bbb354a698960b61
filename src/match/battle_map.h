#pragma once

#include "map_spins.h"
#include "store/random_source.h"
#include "store/tables.h"

#include <array>
#include <string>

namespace tavu::map {

// SetU1..SetU7, in the order of their check boxes.
enum Item : int {
    MapItem,
    LandElementItem,
    LandLevelItem,
    MagicItem,
    SuddenDeathItem,
    PeriodItem,
    TimeLimitItem
};
inline constexpr int ItemCount = 7;
// A combo box position meaning the box holds no list entry (text typed into it).
inline constexpr int NoEntry = -1;

// The page's controls when "OK" is pressed.
struct MapRequest {
    std::array<bool, ItemCount> ticked{};
    int mapCondition = 0; // CBSet1, 0..6
    int landElement = 0;  // CBset2, 0..3
    int landLevel = 0;    // CBset3, 0..2
    int suddenDeath = 0;  // CBSet4, 0..2
    MapSpins spins = initialSpins();
};

// The display side of the page: EditU1..EditU10 (Shift-JIS) and the facility boxes
// SetCB1..SetCB4. Items that are not drawn may keep what they showed before.
struct MapDisplay {
    std::array<std::string, 10> editU; // editU[n - 1] is EditUn
    std::array<bool, 4> facilities{};  // 聖堂, ほこら, 転送円, ショップ
};

struct MapResult {
    MapDisplay display;
    // Empty unless no map could be drawn (no map meets the condition, or the table is
    // empty); the rules are still drawn, with their Random calls in their usual order.
    std::string message;
};

MapResult drawBattleMap(const Table<MapRecord>& maps, const MapRequest& request, const MapDisplay& previous,
                        RandomSource& random);

// OK is enabled while any of SetU1..SetU5 is ticked; period and time limit alone do not count.
bool mapDrawEnabled(const std::array<bool, ItemCount>& ticked);

} // namespace tavu::map
