#pragma once

#include "cli_commands.h"
#include "history/draw_entry.h"
#include "history/history.h"

namespace tavu::cli {

// The history --history names, or the user's.
history::History openHistory(const CliOptions& options);

// Keeps a drawn result in the history when --record asks for it. A history that cannot be
// used changes neither the output nor the status: what happened is told on stderr, once.
void recordDraw(const CliOptions& options, const history::DrawEntry& draw);

// Prints what the history has to tell since the last call on stderr.
void printNotice(history::History& history);

} // namespace tavu::cli
