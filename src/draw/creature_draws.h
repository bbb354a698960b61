#pragma once

#include "draw_filter.h"
#include "draw_result.h"
#include "store/random_source.h"
#include "store/tables.h"

namespace tavu {

// The creature single draw: Random(n) over the candidates, then Random(4) only for a
// non-E card with the copies combo at " 指定なし". Fields CEdit1 to CEdit9. No candidate:
// Random(0) once and DrawWarning.
SingleDrawResult drawCreatureSingle(const Tables& tables, const CreatureFilter& filter,
                                    const SingleCopies& copies, RandomSource& random);

// The creature multiple draw: Random(50) when "指定無し" is ticked, the E-only check over
// all five elements, then k calls Random(n). Lines are the element kanji, a full-width
// blank and the name, sorted by candidate position.
MultipleDrawResult drawCreatureMultiple(const Tables& tables, const CreatureFilter& filter,
                                        const MultipleCount& count, RandomSource& random);

} // namespace tavu
