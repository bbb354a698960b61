#pragma once

#include "field_reader.h"
#include "records.h"
#include "settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavu {

// A table of fixed declared size whose records beyond what the file held are blank.
// The declared size comes from the untrusted settings file, so only the records actually
// read are stored: memory follows the file, not the number it claims.
template <class Record>
class Table {
public:
    Table() = default;
    explicit Table(std::int32_t declaredSize)
        : size_(declaredSize < 0 ? 0 : declaredSize) {}

    // The size the draws work with (settings entry), never negative.
    std::int32_t size() const { return size_; }
    // Records actually held, a prefix of the table; every later index is blank.
    const std::vector<Record>& stored() const { return stored_; }

    const Record& operator[](std::int32_t index) const {
        static const Record blank{};
        return index >= 0 && static_cast<std::size_t>(index) < stored_.size() ? stored_[index] : blank;
    }

    // Appends the next record; ignored once the declared size is reached.
    void append(Record record) {
        if (!full())
            stored_.push_back(std::move(record));
    }
    bool full() const { return static_cast<std::int64_t>(stored_.size()) >= size_; }

private:
    std::int32_t size_ = 0;
    std::vector<Record> stored_;
};

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

namespace detail {
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
} // namespace detail

// The records of a whole file's bytes, line by line, until the table is full or the bytes end.
// Fields follow the record's layout leniently: a text stops early at a line end, a missing
// number continues on the next line and is 0 at the end. `file` only names the source in the
// DataError of a number that does not convert, with its 1-based line.
template <class Record>
Table<Record> parseTable(std::string_view bytes, std::int32_t size, const std::filesystem::path& file) {
    Table<Record> table(size);
    FieldReader in(bytes, file);
    detail::LineReader reader{in};
    while (!table.full() && !in.atEnd()) {
        Record record;
        Record::fields(record, reader);
        table.append(std::move(record));
        in.nextLine();
    }
    return table;
}

// The record's line as parseTable reads it back, ended by CR LF: texts padded with blanks to
// their width (never cut), numbers in decimal, each after a blank unless it starts the line.
template <class Record>
std::string tableLine(const Record& record) {
    detail::LineWriter writer;
    Record::fields(record, writer);
    return writer.line + "\r\n";
}

template <class Record>
std::string tableText(const std::vector<Record>& records) {
    std::string text;
    for (const auto& record : records)
        text += tableLine(record);
    return text;
}

// Copies each item of kind k (0..3) in file order into itemKinds[k], keeping at most
// that kind's size; an item of any other kind goes into none.
std::array<Table<ItemRecord>, ItemKindCount>
splitItemKinds(const Table<ItemRecord>& items, const std::array<std::int32_t, ItemKindCount>& sizes);

// Sizes every table, then loads in start-up order: RM_01..RM_05, RM_08, RM_06 (then the
// split into kinds), RM_07, RM_Map, RM_VS. On a DataError, `tables` keeps what was loaded
// before the failing file (and that file's table sized but blank) and the error propagates.
void loadAllTables(const std::filesystem::path& systemDir, const TableSizes& sizes, Tables& tables);

} // namespace tavu
