#pragma once

#include "store/random_source.h"
#include "store/tables.h"

#include <cstdint>
#include <string>

namespace tavu::map {

// Conditions of CBSet1, in the order of its entries.
enum MapCondition : int {
    AnyMap,
    NoSanctuary,
    NoShrine,
    NoWarpCircle,
    NoShop,
    NoDownloadMap,
    OnlyDownloadMaps,
    MapConditionCount
};

struct MapPick {
    const MapRecord* record = nullptr; // null when nothing could be drawn
    std::string message;               // why not, UTF-8 Japanese
};

// Maps of the whole table (MapCount records, blanks beyond the file included) that meet
// `condition`; the count is taken afresh at every press.
std::int32_t countMeeting(const Table<MapRecord>& maps, MapCondition condition);

// One Random call over the maps that meet `condition`, in table order; none at all when
// no map does, so an empty list is never indexed.
MapPick pickMap(const Table<MapRecord>& maps, MapCondition condition, RandomSource& random);

} // namespace tavu::map
