#pragma once

#include "draw_filter.h"
#include "draw_result.h"
#include "store/random_source.h"
#include "store/tables.h"

namespace tavu {

// The item single draw: Random(n), then Random(4) only for a non-E card with the copies
// combo at " 指定なし". Fields IEdit1 to IEdit8. No candidate: Random(0) once and DrawWarning.
SingleDrawResult drawItemSingle(const Tables& tables, const ItemFilter& filter, const SingleCopies& copies,
                                RandomSource& random);

// The item multiple draw: Random(50) when "指定無し" is ticked (clamped to 1..49), the
// E-only check over all four kinds, then k calls Random(n); a numbered list.
MultipleDrawResult drawItemMultiple(const Tables& tables, const ItemFilter& filter,
                                    const MultipleCount& count, RandomSource& random);

// The item page's clear-after step empties every field but this one (IEdit6, the rarity).
inline constexpr int ItemRarityField = 5;

} // namespace tavu
