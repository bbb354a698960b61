#include "code/data_fingerprint.h"
#include "code/draw_record.h"
#include "code/draw_run.h"
#include "draw_code_support.h"
#include "history/history.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <random>

namespace tavu {

// Whatever draw the history keeps, its code brings back the lines it keeps: drawn anew from
// the row's code, the result is the row's text, and the row names the draw's command.
TEST(DrawRecord, EveryRecordedDrawReplaysToTheLinesItKeeps) {
    const std::filesystem::path systemDir = TAVU_SYSTEM_DIR;
    auto settings = readSettingsReadOnly(systemDir / SettingsFileName);
    Tables tables;
    loadAllTables(systemDir, TableSizes::fromSettings(settings), tables);
    auto data = code::fingerprintData(systemDir, settings);

    test::TempDir dir;
    history::History history(dir.path() / "history.sqlite3");
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        code::DrawCode drawn = test::generatedCode(rng);
        drawn.data = data;
        RandomSource random;
        random.setSeed(drawn.seed);
        auto output = code::runDraw(tables, drawn.plan, random);
        auto id = history.record(code::drawEntry(drawn, output.lines, "result.txt"));
        ASSERT_TRUE(id);

        std::int64_t ids[] = {*id};
        auto rows = history.fetch(ids);
        ASSERT_TRUE(rows && rows->size() == 1);
        const history::DrawEntry& kept = rows->front().draw;
        EXPECT_EQ(kept.command, code::commandName(drawn.plan.command));
        EXPECT_EQ(kept.resultFile, "result.txt");
        auto parsed = code::parseCode(kept.code);
        ASSERT_TRUE(parsed.code) << kept.code;
        RandomSource again;
        again.setSeed(parsed.code->seed);
        std::vector<std::string> replayed;
        for (const std::string& line : code::runDraw(tables, parsed.code->plan, again).lines)
            replayed.push_back(sjis::toUtf8(line));
        EXPECT_EQ(kept.lines, replayed) << kept.code;
    }
}

} // namespace tavu
