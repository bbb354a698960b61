#pragma once

#include "store/records.h"
#include "store/settings.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// The human-readable sources of a data set: UTF-8 text, one record per line, cells separated by
// tabs; blank lines and lines starting with '#' are skipped. Every failure is a DataError naming
// the source file and its 1-based line, so that whoever edits the data sees which line to mend.
namespace tavu::source {

// Records of a table, every text field already in the Shift-JIS bytes and width the loaders
// read. A field the source does not hold stays as a blank record has it: extraNumber of the card
// families is 0, the card's place in the card list, which only the whole data set knows.
template <class Record>
std::vector<Record> readTable(const std::filesystem::path& file);

// Creatures also carry their file's element, maps their place in the table.
std::vector<CreatureRecord> readCreatures(const std::filesystem::path& file, int element);
std::vector<MapRecord> readMaps(const std::filesystem::path& file);

// The initial settings of the bundled data: entries not named in the source are 0. Entries
// 70 to 80 are counted from the tables by the builder, so the source may not set them.
struct InitialSettings {
    SettingsArray entries{};
    std::uint32_t lockedAt = 0; // packed local date-time for the lock header
};

InitialSettings readInitialSettings(const std::filesystem::path& file);

} // namespace tavu::source
