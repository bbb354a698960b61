#pragma once

#include "cli_commands.h"
#include "code/draw_code.h"
#include "code/draw_plan.h"

#include <optional>

namespace tavu::cli {

// Every draw command ends here: loads the data, seeds the random source ("seed N"), prints
// the draw's code ("code CODE") on the next line of stderr, draws and prints the result.
// With `expected`, a data folder whose fingerprint differs is refused with ExitOtherData.
void runCodedDraw(CliOptions& options, const code::DrawPlan& plan,
                  const std::optional<code::DataFingerprint>& expected = std::nullopt);

} // namespace tavu::cli
