#include "source_rows.h"

#include "store/data_error.h"
#include "store/file_io.h"
#include "store/sjis_text.h"

#include <algorithm>
#include <charconv>

namespace tavu::source {

namespace fs = std::filesystem;

std::vector<std::string> readTextLines(const fs::path& file) {
    std::string text = readWholeFile(file);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

namespace {
std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return cells;
        start = tab + 1;
    }
}

std::string quoted(std::string_view what) {
    return "「" + std::string(what) + "」";
}
} // namespace

std::vector<Row> readRows(const fs::path& file, std::size_t columns, std::size_t maxColumns) {
    maxColumns = std::max(columns, maxColumns);
    std::vector<Row> rows;
    auto lines = readTextLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line.front() == '#')
            continue;
        Row row{static_cast<int>(i + 1), splitTabs(line)};
        if (row.cells.size() < columns || row.cells.size() > maxColumns)
            throw DataError(file, row.line,
                            "列の数が " + std::to_string(row.cells.size()) + " です (タブ区切りで " +
                                std::to_string(columns) + " 列のはずです)");
        rows.push_back(std::move(row));
    }
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

std::int32_t flagCell(const fs::path& file, const Row& row, std::size_t column, std::string_view what) {
    std::int32_t value = integerCell(file, row, column, what);
    if (value != 0 && value != 1)
        throw DataError(file, row.line, quoted(what) + "は 0 か 1 のはずです: " + row.cells.at(column));
    return value;
}

std::string fieldCell(const fs::path& file, const Row& row, std::size_t column, std::string_view what,
                      int width, std::string_view prefix) {
    const std::string& cell = row.cells.at(column);
    auto bytes = sjis::fromUtf8(cell);
    if (!bytes)
        throw DataError(file, row.line, quoted(what) + "に Shift-JIS で表せない文字があります: " + cell);
    std::string field = std::string(prefix) + *bytes;
    if (field.size() > static_cast<std::size_t>(width))
        throw DataError(file, row.line,
                        quoted(what) + "が長すぎます: " + cell + " (" + std::to_string(field.size()) +
                            " バイト、欄は " + std::to_string(width) + " バイト)");
    field.resize(static_cast<std::size_t>(width), ' ');
    return field;
}

int choiceCell(const fs::path& file, const Row& row, std::size_t column, std::string_view what,
               std::span<const char* const> choices) {
    const std::string& cell = row.cells.at(column);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (cell == choices[i])
            return static_cast<int>(i);
    std::string allowed;
    for (auto choice : choices)
        allowed += (allowed.empty() ? "" : "/") + std::string(choice);
    throw DataError(file, row.line, quoted(what) + "は " + allowed + " のどれかのはずです: " + cell);
}

} // namespace tavu::source
