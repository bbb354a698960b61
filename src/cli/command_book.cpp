#include "cli_commands.h"
#include "coded_draw.h"
#include "draw/complete_book.h"

#include <CLI/CLI.hpp>

namespace tavu::cli {

namespace {
struct BookOptions {
    std::vector<int> counts;
    bool fullyRandom = false;
    bool includeE = false;
};

// The page's OK button stays disabled unless the three counts fill the book, and each spin
// edit has its own range, so anything else is a usage error rather than a draw.
book::BookCounts checkedCounts(const std::vector<int>& given) {
    if (given.empty())
        return book::InitialCounts;
    book::BookCounts counts{given[0], given[1], given[2]};
    for (int f = 0; f < book::FamilyCount; ++f)
        if (counts[f] != book::CountRanges[f].clamp(counts[f]))
            throw CLI::ValidationError(
                "--counts", "クリーチャー 0〜50、アイテム 0〜49、スペル 0〜50 の範囲で指定して下さい");
    if (counts[0] + counts[1] + counts[2] != book::BookSize)
        throw CLI::ValidationError("--counts", "合計が 50 枚になるように指定して下さい");
    return counts;
}
} // namespace

void addBookCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("book", "ブック完全構成: 50 枚のブックを抽出する");
    auto bookOptions = std::make_shared<BookOptions>();
    auto* counts = command->add_option("--counts", bookOptions->counts,
                                       "クリーチャー,アイテム,スペルの枚数 (合計 50、既定 20,15,15)");
    counts->expected(3)->delimiter(',');
    command->add_flag("--fully-random", bookOptions->fullyRandom, "完全ランダム (カードの種類を問わず 50 枚)")
        ->excludes(counts);
    command->add_flag("--include-e", bookOptions->includeE, "E カードも使う (既定は E カードを含まない)");
    command->callback([&options, bookOptions] {
        runCodedDraw(options, code::bookPlan({checkedCounts(bookOptions->counts), !bookOptions->includeE,
                                              bookOptions->fullyRandom}));
    });
}

} // namespace tavu::cli
