#pragma once

#include "card_page.h"
#include "code/draw_plan.h"

// The window's side of draw codes: which draw a card page makes, as the code names it.
namespace tavu {

code::DrawPlan cardPagePlan(const CardPageDescription& page, const CardTicks& ticks, int copies,
                            const MultipleCount& count);

} // namespace tavu
