#include "tables.h"

#include "settings_entries.h"
#include "system_files.h"

namespace tavu {

namespace fs = std::filesystem;

TableSizes TableSizes::fromSettings(const SettingsArray& s) {
    TableSizes sizes;
    sizes.noneCreatureCount = s[entry::NoneCreatureCount];
    sizes.elementCreatureCount = s[entry::ElementCreatureCount];
    sizes.itemCount = s[entry::ItemCount];
    sizes.spellCount = s[entry::SpellCount];
    sizes.cardListCount = s[entry::CardListCount];
    sizes.mapCount = s[entry::MapCount];
    sizes.opponentCount = s[entry::OpponentCount];
    for (int k = 0; k < ItemKindCount; ++k)
        sizes.itemKindCount[k] = s[entry::ItemKindCountFirst + k];
    return sizes;
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
    auto creatureCount = [&](int e) {
        return e == 0 ? sizes.noneCreatureCount : sizes.elementCreatureCount;
    };
    for (int e = 0; e < ElementCount; ++e)
        tables.creatures[e] = Table<CreatureRecord>(creatureCount(e));
    tables.items = Table<ItemRecord>(sizes.itemCount);
    tables.itemKinds = splitItemKinds(tables.items, sizes.itemKindCount);
    tables.spells = Table<SpellRecord>(sizes.spellCount);
    tables.cardList = Table<CardListRecord>(sizes.cardListCount);
    tables.maps = Table<MapRecord>(sizes.mapCount);
    tables.opponents = Table<OpponentRecord>(sizes.opponentCount);

    auto load = [&]<class Record>(Table<Record>& table, const std::string& name, std::int32_t size) {
        table = parseTable<Record>(readSystemFile(systemDir, name), size, systemDir / name);
    };
    for (int e = 0; e < ElementCount; ++e)
        load(tables.creatures[e], creatureFileName(e), creatureCount(e));
    load(tables.cardList, "RM_08.tri", sizes.cardListCount);
    load(tables.items, "RM_06.tri", sizes.itemCount);
    tables.itemKinds = splitItemKinds(tables.items, sizes.itemKindCount);
    load(tables.spells, "RM_07.tri", sizes.spellCount);
    load(tables.maps, "RM_Map.tri", sizes.mapCount);
    load(tables.opponents, "RM_VS.tri", sizes.opponentCount);
}

} // namespace tavu
