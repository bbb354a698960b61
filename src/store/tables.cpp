#include "tables.h"

#include "field_reader.h"
#include "file_io.h"
#include "settings_entries.h"
#include "system_files.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

// Reads records line by line until the table is full or the file ends; records after the
// end stay blank, lines after the table's size are ignored.
template <class Record, class ReadRecord>
Table<Record> parseTable(std::string_view bytes, std::int32_t size, const fs::path& file,
                         ReadRecord readRecord) {
    Table<Record> table(size);
    FieldReader reader(bytes, file);
    while (!table.full() && !reader.atEnd()) {
        table.append(readRecord(reader));
        reader.nextLine();
    }
    return table;
}

CreatureRecord readCreature(FieldReader& in) {
    CreatureRecord r;
    r.name = in.text(width::CardName);
    r.st = in.integer();
    r.hp = in.integer();
    r.cost = in.integer();
    r.chain = in.integer();
    r.sacrifice = in.integer();
    r.rarity = in.text(width::Rarity);
    r.element = in.text(width::Element);
    r.extraNumber = in.integer();
    r.special = in.text(width::Special);
    return r;
}

ItemRecord readItem(FieldReader& in) {
    ItemRecord r;
    r.name = in.text(width::CardName);
    r.stBonus = in.integer();
    r.hpBonus = in.integer();
    r.cost = in.integer();
    r.kind = in.integer();
    r.rarity = in.text(width::Rarity);
    r.special = in.text(width::Special);
    r.extraNumber = in.integer();
    return r;
}

SpellRecord readSpell(FieldReader& in) {
    SpellRecord r;
    r.name = in.text(width::CardName);
    r.cost = in.integer();
    r.rarity = in.text(width::Rarity);
    r.range = in.text(width::SpellRange);
    r.target = in.text(width::SpellTarget);
    r.duration = in.text(width::SpellDuration);
    r.sacrifice = in.text(width::SpellSacrifice);
    r.extraNumber = in.integer();
    return r;
}

// On the line the two numbers stand as extraNumber, then isECard.
CardListRecord readCardListEntry(FieldReader& in) {
    CardListRecord r;
    r.name = in.text(width::CardListName);
    r.extraNumber = in.integer();
    r.isECard = in.integer();
    return r;
}

MapRecord readMap(FieldReader& in) {
    MapRecord r;
    r.extraNumber = in.integer();
    r.hasSanctuary = in.integer();
    r.hasShrine = in.integer();
    r.hasWarpCircle = in.integer();
    r.hasShop = in.integer();
    r.maxDice = in.integer();
    r.firstPrizeCards = in.integer();
    r.name = in.text(width::MapName);
    r.forts = in.text(width::MapForts);
    r.isDownloadMap = in.integer();
    return r;
}

OpponentRecord readOpponent(FieldReader& in) {
    OpponentRecord r;
    r.name = in.text(width::OpponentName);
    for (auto& uses : r.usesElement)
        uses = in.integer();
    return r;
}

template <class Record, class Parse>
Table<Record> loadFile(const fs::path& systemDir, const std::string& name, std::int32_t size, Parse parse) {
    return parse(readSystemFile(systemDir, name), size, systemDir / name);
}

} // namespace

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
        sizes.itemKindCount[static_cast<std::size_t>(k)] =
            s[static_cast<std::size_t>(entry::ItemKindCountFirst + k)];
    return sizes;
}

Table<CreatureRecord> parseCreatureTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<CreatureRecord>(bytes, size, file, readCreature);
}
Table<ItemRecord> parseItemTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<ItemRecord>(bytes, size, file, readItem);
}
Table<SpellRecord> parseSpellTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<SpellRecord>(bytes, size, file, readSpell);
}
Table<CardListRecord> parseCardListTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<CardListRecord>(bytes, size, file, readCardListEntry);
}
Table<MapRecord> parseMapTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<MapRecord>(bytes, size, file, readMap);
}
Table<OpponentRecord> parseOpponentTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    return parseTable<OpponentRecord>(bytes, size, file, readOpponent);
}

std::array<Table<ItemRecord>, ItemKindCount>
splitItemKinds(const Table<ItemRecord>& items, const std::array<std::int32_t, ItemKindCount>& sizes) {
    std::array<Table<ItemRecord>, ItemKindCount> kinds;
    for (int k = 0; k < ItemKindCount; ++k) {
        auto& table = kinds[static_cast<std::size_t>(k)];
        table = Table<ItemRecord>(sizes[static_cast<std::size_t>(k)]);
        for (const auto& item : items.stored())
            if (item.kind == k)
                table.append(item); // beyond the kind's size: dropped, never written past it
    }
    return kinds;
}

Table<CreatureRecord> LoadCreatureTable(const fs::path& systemDir, int element, std::int32_t size) {
    return loadFile<CreatureRecord>(systemDir, creatureFileName(element), size, parseCreatureTable);
}
Table<ItemRecord> LoadItemTable(const fs::path& systemDir, std::int32_t size) {
    return loadFile<ItemRecord>(systemDir, "RM_06.tri", size, parseItemTable);
}
Table<SpellRecord> LoadSpellTable(const fs::path& systemDir, std::int32_t size) {
    return loadFile<SpellRecord>(systemDir, "RM_07.tri", size, parseSpellTable);
}
Table<CardListRecord> LoadCardListTable(const fs::path& systemDir, std::int32_t size) {
    return loadFile<CardListRecord>(systemDir, "RM_08.tri", size, parseCardListTable);
}
Table<MapRecord> LoadMapTable(const fs::path& systemDir, std::int32_t size) {
    return loadFile<MapRecord>(systemDir, "RM_Map.tri", size, parseMapTable);
}
Table<OpponentRecord> LoadOpponentTable(const fs::path& systemDir, std::int32_t size) {
    return loadFile<OpponentRecord>(systemDir, "RM_VS.tri", size, parseOpponentTable);
}

void loadAllTables(const fs::path& systemDir, const TableSizes& sizes, Tables& tables) {
    for (int e = 0; e < ElementCount; ++e)
        tables.creatures[static_cast<std::size_t>(e)] =
            Table<CreatureRecord>(e == 0 ? sizes.noneCreatureCount : sizes.elementCreatureCount);
    tables.items = Table<ItemRecord>(sizes.itemCount);
    for (int k = 0; k < ItemKindCount; ++k)
        tables.itemKinds[static_cast<std::size_t>(k)] =
            Table<ItemRecord>(sizes.itemKindCount[static_cast<std::size_t>(k)]);
    tables.spells = Table<SpellRecord>(sizes.spellCount);
    tables.cardList = Table<CardListRecord>(sizes.cardListCount);
    tables.maps = Table<MapRecord>(sizes.mapCount);
    tables.opponents = Table<OpponentRecord>(sizes.opponentCount);

    for (int e = 0; e < ElementCount; ++e)
        tables.creatures[static_cast<std::size_t>(e)] =
            LoadCreatureTable(systemDir, e, tables.creatures[static_cast<std::size_t>(e)].size());
    tables.cardList = LoadCardListTable(systemDir, sizes.cardListCount);
    tables.items = LoadItemTable(systemDir, sizes.itemCount);
    tables.itemKinds = splitItemKinds(tables.items, sizes.itemKindCount);
    tables.spells = LoadSpellTable(systemDir, sizes.spellCount);
    tables.maps = LoadMapTable(systemDir, sizes.mapCount);
    tables.opponents = LoadOpponentTable(systemDir, sizes.opponentCount);
}

} // namespace tavu
