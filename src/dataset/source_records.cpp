#include "source_records.h"

#include "source_rows.h"
#include "store/data_error.h"
#include "store/record_layouts.h"
#include "store/sjis_text.h"

#include <algorithm>

namespace tavu::source {

namespace fs = std::filesystem;

namespace {

// Reads the one field whose source cell is `column`. Walked over the columns in turn, so that a
// row's first fault is the first one its reader meets; without a row it only counts the columns.
struct CellReader {
    const fs::path& file;
    const Row* row = nullptr;
    int column = 0;
    int columns = 0;

    void text(std::string& value, const TextField& field) {
        static const char* const RarityLetters[] = {"N", "S", "R", "E"};
        if (!reads(field))
            return;
        if (field.cell.kind == Cell::Rarity)
            value = Rarities[static_cast<std::size_t>(choice(field, RarityLetters))];
        else
            value = fieldText(field);
    }

    void number(std::int32_t& value, const NumberField& field) {
        if (!reads(field))
            return;
        if (field.cell.kind == Cell::Choice)
            value = choice(field, field.cell.choices);
        else
            value = integerCell(file, *row, cell(), what(field));
        if (field.cell.kind == Cell::Flag && value != 0 && value != 1)
            fail(field, "は 0 か 1 のはずです: " + row->cells.at(cell()));
    }

private:
    template <class Field>
    bool reads(const Field& field) {
        columns = std::max(columns, field.cell.column + 1);
        return row && field.cell.column == column;
    }
    std::size_t cell() const { return static_cast<std::size_t>(column); }
    template <class Field>
    static const char* what(const Field& field) {
        return field.cell.what ? field.cell.what : field.what;
    }
    template <class Field>
    [[noreturn]] void fail(const Field& field, const std::string& message) const {
        throw DataError(file, row->line, quoted(what(field)) + message);
    }

    // Shift-JIS bytes padded with blanks to the field's width; a text too wide is an error,
    // never cut (a cut could split a double-byte character).
    std::string fieldText(const TextField& field) const {
        const std::string& text = row->cells.at(cell());
        auto bytes = sjis::fromUtf8(text);
        if (!bytes)
            fail(field, "に Shift-JIS で表せない文字があります: " + text);
        std::string value = (field.cell.kind == Cell::Indented ? " " : "") + *bytes;
        if (value.size() > static_cast<std::size_t>(field.width))
            fail(field, "が長すぎます: " + text + " (" + std::to_string(value.size()) + " バイト、欄は " +
                            std::to_string(field.width) + " バイト)");
        value.resize(static_cast<std::size_t>(field.width), ' ');
        return value;
    }

    template <class Field>
    int choice(const Field& field, std::span<const char* const> choices) const {
        const std::string& text = row->cells.at(cell());
        if (auto it = std::ranges::find(choices, text); it != choices.end())
            return static_cast<int>(it - choices.begin());
        std::string allowed;
        for (auto choice : choices)
            allowed += (allowed.empty() ? "" : "/") + std::string(choice);
        fail(field, "は " + allowed + " のどれかのはずです: " + text);
    }
};

} // namespace

template <class Record>
std::vector<Record> readTable(const fs::path& file) {
    Record blank;
    CellReader reader{file};
    Layout<Record>::fields(blank, reader);
    std::vector<Record> records;
    for (const Row& row : readRows(file, static_cast<std::size_t>(reader.columns))) {
        Record record;
        reader.row = &row;
        for (reader.column = 0; reader.column < reader.columns; ++reader.column)
            Layout<Record>::fields(record, reader);
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
