#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
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

// The lines of a UTF-8 text file, CR LF or LF ended, without their line ends.
std::vector<std::string> readTextLines(const std::filesystem::path& file);

// Rows of a table source; blank lines and lines starting with '#' are skipped. Each row
// must have `columns` cells, or up to `maxColumns` when that is larger (a trailing note).
std::vector<Row> readRows(const std::filesystem::path& file, std::size_t columns, std::size_t maxColumns = 0);

// Cell readers; `what` names the column in the error message.
std::int32_t integerCell(const std::filesystem::path& file, const Row& row, std::size_t column,
                         std::string_view what);
// 0 or 1.
std::int32_t flagCell(const std::filesystem::path& file, const Row& row, std::size_t column,
                      std::string_view what);
// The cell as Shift-JIS bytes after `prefix`, padded with blanks to `width` bytes. A text
// too wide for the field is an error, never cut (a cut could split a double-byte character).
std::string fieldCell(const std::filesystem::path& file, const Row& row, std::size_t column,
                      std::string_view what, int width, std::string_view prefix = {});
// Index of the cell's text in `choices`.
int choiceCell(const std::filesystem::path& file, const Row& row, std::size_t column, std::string_view what,
               std::span<const char* const> choices);

} // namespace tavu::source
