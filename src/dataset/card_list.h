#pragma once

#include "store/records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The order of the complete card list (RM_08.tri) that the complete book relies on: every
// creature by element (無 火 水 地 風) and, within an element, by name; then every item;
// then every spell, both in file order. The builder writes the list in this order and the
// data-folder check compares the shipped list against it.
namespace tavu {

struct CardRef {
    std::string_view name; // the family record's name, trailing blanks removed
    bool isECard = false;  // rarity "  E"
};

using CreatureLists = std::array<std::vector<CreatureRecord>, ElementCount>;

// Names compare as Shift-JIS bytes, which puts kana in syllabary order.
std::vector<CardRef> completeCardOrder(const CreatureLists& creatures, const std::vector<ItemRecord>& items,
                                       const std::vector<SpellRecord>& spells);

std::string_view withoutTrailingBlanks(std::string_view text);

struct CardListMismatch {
    int line = 0; // 1-based line of RM_08.tri; 0 for cards the list lacks at its end
    std::string message;
};

// Where the shipped card list departs from that order (names and E flags). One card too many
// or too few shifts every later line, so only the first few are told.
std::vector<CardListMismatch> compareCardList(const std::vector<CardRef>& expected,
                                              const std::vector<CardListRecord>& actual);

} // namespace tavu
