#include "source_records.h"

#include "source_rows.h"
#include "store/records.h"
#include "store/sjis_text.h"

#include <algorithm>

namespace tavu::source {

namespace fs = std::filesystem;

namespace {

// Where one field of a record comes from.
struct Slot {
    const char* what;
    int width;
    Cell cell;
    std::string* text;
    std::int32_t* number;
};

struct SlotsOf {
    std::vector<Slot> slots;
    void text(std::string& value, const TextField& f) {
        slots.push_back({f.what, f.width, f.cell, &value, nullptr});
    }
    void number(std::int32_t& value, const NumberField& f) {
        slots.push_back({f.what, 0, f.cell, nullptr, &value});
    }
};

// The fields the source holds, in column order: a row's first fault is the first one its
// reader meets.
template <class Record>
std::vector<Slot> slotsOf(Record& record) {
    SlotsOf visit;
    Record::fields(record, visit);
    std::erase_if(visit.slots, [](const Slot& slot) { return slot.cell.kind == Cell::Absent; });
    std::ranges::sort(visit.slots, {}, [](const Slot& slot) { return slot.cell.column; });
    return visit.slots;
}

void readCell(const fs::path& file, const Row& row, const Slot& slot) {
    static const char* const RarityLetters[] = {"N", "S", "R", "E"};
    const char* what = slot.cell.what ? slot.cell.what : slot.what;
    auto column = static_cast<std::size_t>(slot.cell.column);
    switch (slot.cell.kind) {
    case Cell::Plain:
        if (slot.text)
            *slot.text = fieldCell(file, row, column, what, slot.width);
        else
            *slot.number = integerCell(file, row, column, what);
        break;
    case Cell::Indented:
        *slot.text = fieldCell(file, row, column, what, slot.width, " ");
        break;
    case Cell::Flag:
        *slot.number = flagCell(file, row, column, what);
        break;
    case Cell::Rarity:
        *slot.text = Rarities[static_cast<std::size_t>(choiceCell(file, row, column, what, RarityLetters))];
        break;
    case Cell::Choice:
        *slot.number = choiceCell(file, row, column, what, slot.cell.choices);
        break;
    case Cell::Absent:
        break;
    }
}

} // namespace

template <class Record>
std::vector<Record> readTable(const fs::path& file) {
    Record blank;
    std::vector<Record> records;
    for (const Row& row : readRows(file, slotsOf(blank).size())) {
        Record record;
        for (const Slot& slot : slotsOf(record))
            readCell(file, row, slot);
        records.push_back(std::move(record));
    }
    return records;
}

template std::vector<ItemRecord> readTable(const fs::path&);
template std::vector<SpellRecord> readTable(const fs::path&);
template std::vector<OpponentRecord> readTable(const fs::path&);

std::vector<CreatureRecord> readCreatures(const fs::path& file, int element) {
    auto creatures = readTable<CreatureRecord>(file);
    std::string elementField = "  " + sjis::fromUtf8OrThrow(ElementNames[element]);
    for (auto& creature : creatures)
        creature.element = elementField;
    return creatures;
}

std::vector<MapRecord> readMaps(const fs::path& file) {
    auto maps = readTable<MapRecord>(file);
    for (std::size_t i = 0; i < maps.size(); ++i)
        maps[i].extraNumber = static_cast<std::int32_t>(i + 1);
    return maps;
}

} // namespace tavu::source
