#include "source_rows.h"

#include "each_line.h"
#include "store/data_error.h"
#include "store/file_io.h"

#include <algorithm>
#include <charconv>

namespace tavu::source {

namespace fs = std::filesystem;

namespace {
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
} // namespace

std::string quoted(std::string_view what) {
    return "「" + std::string(what) + "」";
}

std::vector<Row> readRows(const fs::path& file, std::size_t columns, std::size_t maxColumns) {
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

} // namespace tavu::source
