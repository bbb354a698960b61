#include "cli_history.h"

#include "history/history_path.h"

#include <iostream>

namespace tavu::cli {

history::History openHistory(const CliOptions& options) {
    return history::History(history::historyFile(options.historyFile));
}

void printNotice(history::History& history) {
    if (auto notice = history.takeNotice())
        std::cerr << *notice << '\n';
}

void recordDraw(const CliOptions& options, const history::DrawEntry& draw) {
    if (!options.record)
        return;
    history::History history = openHistory(options);
    history.record(draw);
    printNotice(history);
}

} // namespace tavu::cli
