#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavu::history {

// What one draw leaves in the history. Text is UTF-8.
struct DrawEntry {
    // When the draw was made, in UTC as "2026-12-08T15:30:12Z"; History::record() stamps the
    // present moment when it is empty.
    std::string time;
    std::string command;
    // The draw code that makes the same draw again.
    std::string code;
    // The result lines as shown. They are kept joined by line feeds, so a line holding a line
    // feed comes back as two.
    std::vector<std::string> lines;
    // The result file written, empty when none was.
    std::string resultFile;
    std::string programVersion;
    // The data set's version (settings entry 58).
    std::int32_t dataVersion = 0;

    bool operator==(const DrawEntry&) const = default;
};

// A recorded draw with the id the history gave it; ids are never given twice in one file.
struct HistoryRow {
    std::int64_t id = 0;
    DrawEntry draw;

    bool operator==(const HistoryRow&) const = default;
};

// Which rows a listing shows, newest first.
struct HistoryFilter {
    // Only this command when not empty.
    std::string command;
    // Only rows whose lines or draw code hold this text, ignoring the case of ASCII letters,
    // when not empty. Taken literally: no wildcards.
    std::string text;
};

struct HistoryPage {
    HistoryFilter filter;
    // Rows older than this id only, when not 0: a page after the last one seen, which costs
    // the same however deep it lies (an offset has to step over every row before it).
    std::int64_t beforeId = 0;
    std::int64_t offset = 0;
    std::int64_t limit = 100;
    // Whether the rows carry their lines; a table of rows does not need them.
    bool withLines = false;
};

} // namespace tavu::history
