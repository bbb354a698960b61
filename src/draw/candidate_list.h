#pragma once

#include "draw_filter.h"
#include "store/tables.h"

#include <vector>

namespace tavu {

// The filtered cards of a draw: group by group in the fixed group order, within a group
// rarity by rarity (N, S, R, E), within a rarity in table order. A draw's Random(n) picks a
// position in it, and the multiple draws sort by that position. The records stay in the
// tables, which outlive every draw.
template <class Record>
using CandidateList = std::vector<const Record*>;

CandidateList<CreatureRecord> creatureCandidates(const Tables& tables, const CreatureFilter& filter);
CandidateList<ItemRecord> itemCandidates(const Tables& tables, const ItemFilter& filter);
CandidateList<SpellRecord> spellCandidates(const Tables& tables, const RarityTicks& rarities);

} // namespace tavu
