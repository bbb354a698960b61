#pragma once

#include "draw_entry.h"

#include <span>
#include <string>
#include <string_view>

// Rows of the history as files for other programs, with the same fields in both: id, time,
// command, code, lines, result_file, program_version, data_version.
namespace tavu::history {

// CSV as RFC 4180 has it: a header, CR LF after every record, a field quoted when it holds a
// comma, a double quote, CR or LF, its double quotes doubled. Lines join with LF in one field.
std::string toCsv(std::span<const HistoryRow> rows);

// A JSON array of one object per row; the lines are an array of strings. Text that is not
// valid UTF-8 has each faulty byte replaced by U+FFFD, so the output is always valid JSON.
std::string toJson(std::span<const HistoryRow> rows);

// The pieces of both, for a caller that writes rows as it reads them: the CSV header line, one
// CSV record (its CR LF included), one row's JSON object (no separator, no line end).
std::string csvHeader();
std::string csvRow(const HistoryRow& row);
std::string jsonRow(const HistoryRow& row);

// `text` as a CSV field, quoted only when it must be.
std::string csvField(std::string_view text);

// `text` as a JSON string, quotes included.
std::string jsonString(std::string_view text);

} // namespace tavu::history
