#include "tables.h"

#include "settings_entries.h"
#include "system_files.h"

namespace tavu {

namespace fs = std::filesystem;

TableSizes TableSizes::fromSettings(const SettingsArray& s) {
    using namespace entry;
    constexpr int k = ItemKindCountFirst;
    return {s[NoneCreatureCount], s[ElementCreatureCount],
            s[ItemCount],         s[SpellCount],
            s[CardListCount],     s[MapCount],
            s[OpponentCount],     {s[k], s[k + 1], s[k + 2], s[k + 3]}};
}

std::array<Table<ItemRecord>, ItemKindCount>
splitItemKinds(const Table<ItemRecord>& items, const std::array<std::int32_t, ItemKindCount>& sizes) {
    std::array<Table<ItemRecord>, ItemKindCount> kinds;
    for (int k = 0; k < ItemKindCount; ++k) {
        kinds[k] = Table<ItemRecord>(sizes[k]);
        for (const auto& item : items.stored())
            if (item.kind == k)
                kinds[k].append(item); // beyond the kind's size: dropped, never written past it
    }
    return kinds;
}

void loadAllTables(const fs::path& systemDir, const TableSizes& sizes, Tables& tables) {
    // Every table, with the file it comes from and its size, in start-up order.
    auto eachTable = [&](auto step) {
        for (int e = 0; e < ElementCount; ++e)
            step(tables.creatures[e], creatureFileName(e),
                 e == 0 ? sizes.noneCreatureCount : sizes.elementCreatureCount);
        step(tables.cardList, "RM_08.tri", sizes.cardListCount);
        step(tables.items, "RM_06.tri", sizes.itemCount);
        tables.itemKinds = splitItemKinds(tables.items, sizes.itemKindCount);
        step(tables.spells, "RM_07.tri", sizes.spellCount);
        step(tables.maps, "RM_Map.tri", sizes.mapCount);
        step(tables.opponents, "RM_VS.tri", sizes.opponentCount);
    };
    eachTable([]<class Record>(Table<Record>& table, const std::string&, std::int32_t size) {
        table = Table<Record>(size);
    });
    eachTable([&]<class Record>(Table<Record>& table, const std::string& name, std::int32_t size) {
        table = parseTable<Record>(readSystemFile(systemDir, name), size, systemDir / name);
    });
}

} // namespace tavu
