#pragma once

#include "draw_filter.h"
#include "draw_result.h"
#include "store/random_source.h"
#include "store/tables.h"

#include <string>
#include <string_view>
#include <vector>

// The card draws of the three families.
//
// A single draw makes Random(n) over the candidates, even when there are none (which ends
// it), then Random(4) only for a non-E card with the copies combo at " 指定なし".
//
// A multiple draw makes Random(50) when "指定無し" is ticked, refuses an E-only choice that
// asks for more cards than the family's E cards, then makes k calls Random(n): the lines
// follow the candidate order. With no candidate the calls are still made and the draw ends
// with DrawWarning.
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

// Fields CEdit1 to CEdit9. No candidate: DrawWarning.
SingleDrawResult drawCreatureSingle(const Tables& tables, const CreatureFilter& filter,
                                    const SingleCopies& copies, RandomSource& random);
// Lines are the element kanji, a full-width blank and the name.
MultipleDrawResult drawCreatureMultiple(const Tables& tables, const CreatureFilter& filter,
                                        const MultipleCount& count, RandomSource& random);

// Fields IEdit1 to IEdit8. No candidate: DrawWarning.
SingleDrawResult drawItemSingle(const Tables& tables, const ItemFilter& filter, const SingleCopies& copies,
                                RandomSource& random);
// A numbered list; the random count is clamped to 1..49.
MultipleDrawResult drawItemMultiple(const Tables& tables, const ItemFilter& filter,
                                    const MultipleCount& count, RandomSource& random);

// The item page's clear-after step empties every field but this one (IEdit6, the rarity).
inline constexpr int ItemRarityField = 5;

// Fields SEdit1 to SEdit8. No candidate: "該当カードなし".
SingleDrawResult drawSpellSingle(const Tables& tables, const RarityTicks& rarities,
                                 const SingleCopies& copies, RandomSource& random);
// A numbered list. The E-only check compares the spin edit's value, before any random count.
MultipleDrawResult drawSpellMultiple(const Tables& tables, const RarityTicks& rarities,
                                     const MultipleCount& count, RandomSource& random);

// A numbered line of the item and spell lists and of the complete book: the number, two
// blanks (1 to 9) or one (from 10), and the name (Shift-JIS bytes), so the names line up.
std::string numberedLine(int number, std::string_view name);

} // namespace tavu
