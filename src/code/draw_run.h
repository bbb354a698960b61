#pragma once

#include "draw_plan.h"
#include "store/random_source.h"
#include "store/tables.h"

#include <string>
#include <vector>

namespace tavu::code {

// What a draw shows. `lines` are the result file's lines before its footer (Shift-JIS);
// `fields` a single draw's result fields. A draw that ends with a message instead of a
// result has `drawn` false and no lines; the map draw shows its rules and a message.
struct DrawOutput {
    bool drawn = false;
    std::vector<std::string> lines;
    std::vector<std::string> fields;
    std::string message; // UTF-8; empty when the draw ended without one
};

// The draw `plan` names, from the random source as it stands: the same Random calls, in
// the same order, as the page's OK button. A page whose boxes leave nothing to draw makes
// no call and ends with the warning its disabled button stands for.
DrawOutput runDraw(const Tables& tables, const DrawPlan& plan, RandomSource& random);

// A map draw's result lines: the display boxes top to bottom as the page shows them, then
// the dice, reward and forts, then the four facility boxes as 0 and 1.
std::vector<std::string> mapLines(const map::MapDisplay& display);

} // namespace tavu::code
