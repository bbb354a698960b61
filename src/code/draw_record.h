#pragma once

#include "draw_code.h"
#include "history/draw_entry.h"

#include <string>
#include <vector>

namespace tavu::code {

// The program's version as the history records it beside each draw.
inline constexpr const char* ProgramVersion = "1.00";

// What a draw leaves in the history, the same from the window and the command line: the
// command's word, the code, the result lines (Shift-JIS, as drawn) in UTF-8, the result file
// written (empty for none) and the data version (0 when the settings name none).
history::DrawEntry drawEntry(const DrawCode& code, const std::vector<std::string>& sjisLines,
                             std::string resultFile = {});

} // namespace tavu::code
