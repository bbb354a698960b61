#pragma once

#include "store/records.h"

#include <filesystem>
#include <vector>

// Records of each table read from its UTF-8 source, with every text field already in the
// Shift-JIS bytes and width the loaders read (see table_lines.h for where the blanks go).
// extraNumber of the card families is left 0: it is the card's place in the card list,
// which only the whole data set knows.
namespace tavu::source {

// Element characters in element order, as the sources and the `element` field write them.
inline constexpr const char* ElementNames[ElementCount] = {"無", "火", "水", "地", "風"};
inline constexpr const char* ItemKindNames[ItemKindCount] = {"武器", "防具", "アイテム", "巻物"};

std::vector<CreatureRecord> readCreatures(const std::filesystem::path& file, int element);
std::vector<ItemRecord> readItems(const std::filesystem::path& file);
std::vector<SpellRecord> readSpells(const std::filesystem::path& file);
std::vector<MapRecord> readMaps(const std::filesystem::path& file);
std::vector<OpponentRecord> readOpponents(const std::filesystem::path& file);

} // namespace tavu::source
