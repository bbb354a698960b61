#include "tables.h"

#include "field_reader.h"
#include "record_layouts.h"
#include "settings_entries.h"
#include "system_files.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

struct LineReader {
    FieldReader& in;
    void text(std::string& value, const TextField& field) { value = in.text(field.width); }
    void number(std::int32_t& value, const NumberField&) { value = in.integer(); }
};

struct LineWriter {
    std::string line;
    void text(const std::string& value, const TextField& field) {
        line += value;
        if (value.size() < static_cast<std::size_t>(field.width))
            line.append(static_cast<std::size_t>(field.width) - value.size(), ' ');
    }
    void number(std::int32_t value, const NumberField&) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(value);
    }
};

template <class Record>
Table<Record> loadTable(const fs::path& systemDir, const std::string& name, std::int32_t size) {
    return parseTable<Record>(readSystemFile(systemDir, name), size, systemDir / name);
}

} // namespace

template <class Record>
Table<Record> parseTable(std::string_view bytes, std::int32_t size, const fs::path& file) {
    Table<Record> table(size);
    FieldReader in(bytes, file);
    LineReader reader{in};
    while (!table.full() && !in.atEnd()) {
        Record record;
        Layout<Record>::fields(record, reader);
        table.append(std::move(record));
        in.nextLine();
    }
    return table;
}

template <class Record>
std::string tableLine(const Record& record) {
    LineWriter writer;
    Layout<Record>::fields(record, writer);
    return writer.line + "\r\n";
}

template Table<CreatureRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template Table<ItemRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template Table<SpellRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template Table<CardListRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template Table<MapRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template Table<OpponentRecord> parseTable(std::string_view, std::int32_t, const fs::path&);
template std::string tableLine(const CreatureRecord&);
template std::string tableLine(const ItemRecord&);
template std::string tableLine(const SpellRecord&);
template std::string tableLine(const CardListRecord&);
template std::string tableLine(const MapRecord&);
template std::string tableLine(const OpponentRecord&);

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
        tables.creatures[static_cast<std::size_t>(e)] = loadTable<CreatureRecord>(
            systemDir, creatureFileName(e), tables.creatures[static_cast<std::size_t>(e)].size());
    tables.cardList = loadTable<CardListRecord>(systemDir, "RM_08.tri", sizes.cardListCount);
    tables.items = loadTable<ItemRecord>(systemDir, "RM_06.tri", sizes.itemCount);
    tables.itemKinds = splitItemKinds(tables.items, sizes.itemKindCount);
    tables.spells = loadTable<SpellRecord>(systemDir, "RM_07.tri", sizes.spellCount);
    tables.maps = loadTable<MapRecord>(systemDir, "RM_Map.tri", sizes.mapCount);
    tables.opponents = loadTable<OpponentRecord>(systemDir, "RM_VS.tri", sizes.opponentCount);
}

} // namespace tavu
