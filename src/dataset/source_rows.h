#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The human-readable data sources: UTF-8 text, one record per line, cells separated by tabs.
// Every failure is a DataError naming the source file and its 1-based line, so that whoever
// edits the data sees exactly which line to mend.
namespace tavu::source {

struct Row {
    int line = 0;
    std::vector<std::string> cells; // UTF-8
};

// Rows of a table source; blank lines and lines starting with '#' are skipped. Each row
// must have `columns` cells, or up to `maxColumns` when that is larger (a trailing note).
std::vector<Row> readRows(const std::filesystem::path& file, std::size_t columns, std::size_t maxColumns = 0);

// The cell as a decimal integer; `what` names the column in the error message.
std::int32_t integerCell(const std::filesystem::path& file, const Row& row, std::size_t column,
                         std::string_view what);

// "「what」", as messages name a column.
std::string quoted(std::string_view what);

} // namespace tavu::source
