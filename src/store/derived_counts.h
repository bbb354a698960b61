#pragma once

#include "tables.h"

#include <array>
#include <cstdint>

namespace tavu {

// 20 counters, element-major: [element * 4 + rarity], rarity order N, S, R, E.
using CreatureRarityCount = std::array<std::int32_t, ElementCount * RarityCount>;
// 16 counters, kind-major: [kind * 4 + rarity].
using ItemRarityCount = std::array<std::int32_t, ItemKindCount * RarityCount>;

CreatureRarityCount CountCreatureRarities(const Tables& tables);
ItemRarityCount CountItemRarities(const Tables& tables);
// excludeECards is the state of the complete book's "E カードを含まない" box.
std::int32_t CountBookSpells(const Tables& tables, bool excludeECards);
std::int32_t CountBookCards(const Tables& tables, bool excludeECards);

} // namespace tavu
