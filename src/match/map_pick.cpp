#include "map_pick.h"

namespace tavu::map {

namespace {
bool meets(const MapRecord& map, MapCondition condition) {
    switch (condition) {
    case AnyMap:
        return true;
    case NoSanctuary:
        return map.hasSanctuary == 0;
    case NoShrine:
        return map.hasShrine == 0;
    case NoWarpCircle:
        return map.hasWarpCircle == 0;
    case NoShop:
        return map.hasShop == 0;
    case NoDownloadMap:
        return map.isDownloadMap == 0;
    case OnlyDownloadMaps:
        return map.isDownloadMap == 1;
    default:
        return false;
    }
}

// Blank records stand after the stored ones, so the k-th map meeting the condition is
// either a stored record or the blank record.
const MapRecord* nthMeeting(const Table<MapRecord>& maps, MapCondition condition, std::int32_t n) {
    for (const auto& map : maps.stored())
        if (meets(map, condition) && n-- == 0)
            return &map;
    return &maps[maps.size()];
}
} // namespace

std::int32_t countMeeting(const Table<MapRecord>& maps, MapCondition condition) {
    std::int32_t count = 0;
    for (const auto& map : maps.stored())
        if (meets(map, condition))
            ++count;
    if (meets(MapRecord{}, condition))
        count += maps.size() - static_cast<std::int32_t>(maps.stored().size());
    return count;
}

MapPick pickMap(const Table<MapRecord>& maps, MapCondition condition, RandomSource& random) {
    if (maps.size() == 0)
        return {nullptr, "対戦マップのデータがありません。データファイル (RM_Map.tri) を確認して下さい。"};
    std::int32_t count = countMeeting(maps, condition);
    if (count == 0)
        return {nullptr, "条件に合う対戦マップがありません。マップの条件を変更して下さい。"};
    auto i = static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(count)));
    if (condition == AnyMap)
        return {&maps[i], {}};
    return {nthMeeting(maps, condition, i), {}};
}

} // namespace tavu::map
