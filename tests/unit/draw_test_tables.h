#pragma once

#include "store/records.h"
#include "store/tables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// In-memory tables for the draw tests, with fields as the loaders would hold them.
namespace tavu::test {

// The name as a table holds it: Shift-JIS, padded with blanks to 18 bytes.
std::string cardName(std::string_view utf8);
// "  N" .. "  E"
std::string rarity(Rarity r);

CreatureRecord creature(std::string_view name, int element, Rarity r);
ItemRecord item(std::string_view name, int kind, Rarity r);
SpellRecord spell(std::string_view name, Rarity r);

struct TableBuilder {
    std::array<std::vector<CreatureRecord>, ElementCount> creatures;
    std::vector<ItemRecord> items;
    std::vector<SpellRecord> spells;

    // Sizes each table to what it holds (the elemental tables to the largest of them)
    // and splits the items into kinds.
    Tables build() const;
};

// `count` cards named "<prefix>00", "<prefix>01", ... of one rarity.
std::vector<SpellRecord> numberedSpells(std::string_view prefix, int count, Rarity r);

} // namespace tavu::test
