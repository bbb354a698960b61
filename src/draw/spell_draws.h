#pragma once

#include "draw_filter.h"
#include "draw_result.h"
#include "store/random_source.h"
#include "store/tables.h"

namespace tavu {

// The spell single draw: Random(n); no candidate ends with "該当カードなし"; then Random(4)
// only for a non-E spell with the copies combo at " 指定なし". Fields SEdit1 to SEdit8.
SingleDrawResult drawSpellSingle(const Tables& tables, const RarityTicks& rarities,
                                 const SingleCopies& copies, RandomSource& random);

// The spell multiple draw: the E-only check compares the spin edit's value before any
// random count; then Random(50) when "指定無し" is ticked, then k calls Random(n).
MultipleDrawResult drawSpellMultiple(const Tables& tables, const RarityTicks& rarities,
                                     const MultipleCount& count, RandomSource& random);

} // namespace tavu
