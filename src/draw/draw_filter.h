#pragma once

#include "store/records.h"

#include <array>
#include <cstdint>
#include <string>

// The ticks of a draw page's filter boxes and its count controls, as the draws read them
// when OK is pressed. Default values are the pages' start state.
namespace tavu {

using RarityTicks = std::array<bool, RarityCount>; // N, S, R, E
inline constexpr RarityTicks StartRarities = {true, true, true, false};

struct CreatureFilter {
    std::array<bool, ElementCount> elements{true, true, true, true, true}; // 無 火 水 地 風
    RarityTicks rarities = StartRarities;
};

struct ItemFilter {
    std::array<bool, ItemKindCount> kinds{true, true, true, true}; // 武器 防具 アイテム 巻物
    RarityTicks rarities = StartRarities;
};

bool onlyRarityE(const RarityTicks& rarities);

// Whether the page's OK button is enabled after a click of one of its filter boxes.
bool okButtonEnabled(const CreatureFilter& filter);
// Besides the shared rule, an E-only choice of armour and scrolls alone is refused.
bool okButtonEnabled(const ItemFilter& filter);
bool okButtonEnabled(const RarityTicks& spellRarities);

// The range and start value of a multiple draw's spin edit. A value put into the spin
// edit is clamped to the range, and the draws rely on that clamp.
struct CountRange {
    int min;
    int max;
    int start;
};
inline constexpr CountRange CreatureCountRange{1, 50, 20};
inline constexpr CountRange ItemCountRange{1, 49, 15};
inline constexpr CountRange SpellCountRange{1, 50, 15};

int clampCount(std::int64_t value, const CountRange& range);

// The count controls of a multiple draw: the spin edit's value and the "指定無し" box.
struct MultipleCount {
    int value = 0;
    bool random = false;
};

// The copies combo of a single draw ("指定なし", 1 to 4) and the count field's text before
// the draw, which an index outside 0..4 leaves as it was.
struct SingleCopies {
    int index = 0;
    std::string previousText;
};

} // namespace tavu
