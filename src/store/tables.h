#pragma once

#include "records.h"
#include "settings.h"
#include "table.h"

#include <array>
#include <filesystem>
#include <string_view>

namespace tavu {

// Table sizes as copied from settings entries 70 to 80 at start-up.
struct TableSizes {
    std::int32_t noneCreatureCount = 0;                      // 70
    std::int32_t elementCreatureCount = 0;                   // 71, shared by fire, water, earth and wind
    std::int32_t itemCount = 0;                              // 72
    std::int32_t spellCount = 0;                             // 73
    std::int32_t cardListCount = 0;                          // 74
    std::int32_t mapCount = 0;                               // 75
    std::int32_t opponentCount = 0;                          // 76
    std::array<std::int32_t, ItemKindCount> itemKindCount{}; // 77 to 80

    static TableSizes fromSettings(const SettingsArray& settings);
};

struct Tables {
    std::array<Table<CreatureRecord>, ElementCount> creatures; // RM_01 .. RM_05
    Table<ItemRecord> items;                                   // RM_06
    std::array<Table<ItemRecord>, ItemKindCount> itemKinds;    // split from items
    Table<SpellRecord> spells;                                 // RM_07
    Table<CardListRecord> cardList;                            // RM_08
    Table<MapRecord> maps;                                     // RM_Map
    Table<OpponentRecord> opponents;                           // RM_VS
};

// Parsers over a whole file's bytes. `file` only names the source in a DataError
// (a number field that does not convert, with its 1-based line).
Table<CreatureRecord> parseCreatureTable(std::string_view bytes, std::int32_t size,
                                         const std::filesystem::path& file);
Table<ItemRecord> parseItemTable(std::string_view bytes, std::int32_t size,
                                 const std::filesystem::path& file);
Table<SpellRecord> parseSpellTable(std::string_view bytes, std::int32_t size,
                                   const std::filesystem::path& file);
Table<CardListRecord> parseCardListTable(std::string_view bytes, std::int32_t size,
                                         const std::filesystem::path& file);
Table<MapRecord> parseMapTable(std::string_view bytes, std::int32_t size, const std::filesystem::path& file);
Table<OpponentRecord> parseOpponentTable(std::string_view bytes, std::int32_t size,
                                         const std::filesystem::path& file);

// Copies each item of kind k (0..3) in file order into itemKinds[k], keeping at most
// that kind's size; an item of any other kind goes into none.
std::array<Table<ItemRecord>, ItemKindCount>
splitItemKinds(const Table<ItemRecord>& items, const std::array<std::int32_t, ItemKindCount>& sizes);

// File loaders: read the file whole and parse it. Throw DataError.
Table<CreatureRecord> LoadCreatureTable(const std::filesystem::path& systemDir, int element,
                                        std::int32_t size);
Table<ItemRecord> LoadItemTable(const std::filesystem::path& systemDir, std::int32_t size);
Table<SpellRecord> LoadSpellTable(const std::filesystem::path& systemDir, std::int32_t size);
Table<CardListRecord> LoadCardListTable(const std::filesystem::path& systemDir, std::int32_t size);
Table<MapRecord> LoadMapTable(const std::filesystem::path& systemDir, std::int32_t size);
Table<OpponentRecord> LoadOpponentTable(const std::filesystem::path& systemDir, std::int32_t size);

// Sizes every table, then loads in start-up order: RM_01..RM_05, RM_08, RM_06 (then the
// split into kinds), RM_07, RM_Map, RM_VS. On a DataError, `tables` keeps what was loaded
// before the failing file (and that file's table sized but blank) and the error propagates.
void loadAllTables(const std::filesystem::path& systemDir, const TableSizes& sizes, Tables& tables);

} // namespace tavu
