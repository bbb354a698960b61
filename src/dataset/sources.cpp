#include "sources.h"

#include "each_line.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/records.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace tavu::source {

namespace fs = std::filesystem;

namespace {

struct Row {
    int line = 0;
    std::vector<std::string> cells; // UTF-8
};

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> cells;
    for (;;) {
        std::size_t tab = line.find('\t');
        cells.emplace_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return cells;
        line.remove_prefix(tab + 1);
    }
}

std::string quoted(std::string_view what) {
    return "「" + std::string(what) + "」";
}

// Each row must have `columns` cells, or up to `maxColumns` when that is larger (a trailing note).
std::vector<Row> readRows(const fs::path& file, std::size_t columns, std::size_t maxColumns = 0) {
    maxColumns = std::max(columns, maxColumns);
    std::vector<Row> rows;
    forEachLine(readWholeFile(file), [&](std::string_view line, int lineNo) {
        if (line.empty() || line.front() == '#')
            return;
        Row row{lineNo, splitTabs(line)};
        if (row.cells.size() < columns || row.cells.size() > maxColumns)
            throw DataError(file, row.line,
                            "列の数が " + std::to_string(row.cells.size()) + " です (タブ区切りで " +
                                std::to_string(columns) + " 列のはずです)");
        rows.push_back(std::move(row));
    });
    return rows;
}

std::int32_t integerCell(const fs::path& file, const Row& row, std::size_t column, std::string_view what) {
    const std::string& cell = row.cells.at(column);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (cell.empty() || ec != std::errc() || end != cell.data() + cell.size())
        throw DataError(file, row.line, quoted(what) + "が整数ではありません: " + cell);
    return value;
}

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

// "YYYY-MM-DD HH:MM:SS" as the packed date-time of the lock header (date high, time low).
std::uint32_t packedDateTime(const fs::path& file, const Row& row) {
    std::array<int, 6> v{};
    char tail = 0;
    int read = std::sscanf(row.cells.at(1).c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &v[0], &v[1], &v[2], &v[3],
                           &v[4], &v[5], &tail);
    bool valid = read == 6 && v[0] >= 1980 && v[0] <= 2107 && v[1] >= 1 && v[1] <= 12 && v[2] >= 1 &&
                 v[2] <= 31 && v[3] >= 0 && v[3] <= 23 && v[4] >= 0 && v[4] <= 59 && v[5] >= 0 && v[5] <= 59;
    if (!valid)
        throw DataError(file, row.line, "日時は YYYY-MM-DD HH:MM:SS (1980〜2107 年) で書いて下さい");
    auto u = [](int x) {
        return static_cast<std::uint32_t>(x);
    };
    std::uint32_t date = (u(v[0] - 1980) << 9) | (u(v[1]) << 5) | u(v[2]);
    std::uint32_t time = (u(v[3]) << 11) | (u(v[4]) << 5) | u(v[5] / 2);
    return (date << 16) | time;
}

} // namespace

template <class Record>
std::vector<Record> readTable(const fs::path& file) {
    Record blank;
    CellReader reader{file};
    Record::fields(blank, reader);
    std::vector<Record> records;
    for (const Row& row : readRows(file, static_cast<std::size_t>(reader.columns))) {
        Record record;
        reader.row = &row;
        for (reader.column = 0; reader.column < reader.columns; ++reader.column)
            Record::fields(record, reader);
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

InitialSettings readInitialSettings(const fs::path& file) {
    InitialSettings settings;
    std::array<bool, SettingsLastIndex + 1> seen{};
    for (const Row& row : readRows(file, 2, 3)) {
        if (row.cells.at(0) == "locked_at") {
            settings.lockedAt = packedDateTime(file, row);
            continue;
        }
        std::int32_t index = integerCell(file, row, 0, "エントリ番号");
        if (index < 0 || index > SettingsLastIndex)
            throw DataError(file, row.line, "エントリ番号は 0〜99 のはずです");
        if (index >= entry::NoneCreatureCount && index < entry::ItemKindCountFirst + ItemKindCount)
            throw DataError(file, row.line, "エントリ 70〜80 は元データの行数から数えるので書けません");
        auto slot = static_cast<std::size_t>(index);
        if (seen[slot])
            throw DataError(file, row.line, "エントリ " + std::to_string(index) + " が二度書かれています");
        seen[slot] = true;
        settings.entries[slot] = integerCell(file, row, 1, "値");
    }
    return settings;
}

} // namespace tavu::source
