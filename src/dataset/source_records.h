#pragma once

#include "store/records.h"

#include <filesystem>
#include <vector>

// Records of each table read from its UTF-8 source, every text field already in the Shift-JIS
// bytes and width the loaders read. A field the source does not hold stays as a blank record
// has it: extraNumber of the card families is 0, the card's place in the card list, which only
// the whole data set knows.
namespace tavu::source {

template <class Record>
std::vector<Record> readTable(const std::filesystem::path& file);

// Creatures also carry their file's element, maps their place in the table.
std::vector<CreatureRecord> readCreatures(const std::filesystem::path& file, int element);
std::vector<MapRecord> readMaps(const std::filesystem::path& file);

} // namespace tavu::source
