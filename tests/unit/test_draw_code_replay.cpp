#include "code/data_fingerprint.h"
#include "code/draw_run.h"
#include "code/result_check.h"
#include "draw_code_support.h"
#include "fixture_system.h"
#include "output/result_file.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;

namespace {

struct Folder {
    SettingsArray settings{};
    Tables tables;
    code::DataFingerprint data;
};

Folder loadFolder(const fs::path& systemDir) {
    Folder folder;
    folder.settings = readSettingsReadOnly(systemDir / SettingsFileName);
    loadAllTables(systemDir, TableSizes::fromSettings(folder.settings), folder.tables);
    folder.data = code::fingerprintData(systemDir, folder.settings);
    return folder;
}

code::DrawOutput drawFrom(const Folder& folder, const code::DrawPlan& plan, std::uint32_t seed,
                          std::uint32_t* after = nullptr) {
    RandomSource random;
    random.setSeed(seed);
    auto output = code::runDraw(folder.tables, plan, random);
    if (after)
        *after = random.seed();
    return output;
}

// Draws each generated case, writes its code, reads the code back and draws again: the
// second draw must agree line for line and leave the random source in the same state.
void expectReplaysAgree(const Folder& folder, std::uint32_t rngSeed) {
    std::mt19937 rng(rngSeed);
    for (int i = 0; i < 3000; ++i) {
        code::DrawCode original = test::generatedCode(rng);
        original.data = folder.data;
        std::uint32_t afterOriginal = 0, afterReplay = 0;
        auto first = drawFrom(folder, original.plan, original.seed, &afterOriginal);
        std::string text = code::formatCode(original);
        auto parsed = code::parseCode(text);
        ASSERT_TRUE(parsed.code) << text;
        auto again = drawFrom(folder, parsed.code->plan, parsed.code->seed, &afterReplay);
        EXPECT_EQ(again.drawn, first.drawn) << text;
        EXPECT_EQ(again.lines, first.lines) << text;
        EXPECT_EQ(again.fields, first.fields) << text;
        EXPECT_EQ(again.message, first.message) << text;
        EXPECT_EQ(afterReplay, afterOriginal) << text;
    }
}

std::vector<std::string> resultFile(const Folder& folder, const code::DrawCode& drawn,
                                    const fs::path& systemDir) {
    auto lines = drawFrom(folder, drawn.plan, drawn.seed).lines;
    AppendCommentFooter(lines, systemDir);
    lines.push_back(code::codeLine(code::formatCode(drawn)));
    return lines;
}

} // namespace

TEST(DrawCodeReplay, AgreesWithTheOriginalDrawOnTheBundledData) {
    expectReplaysAgree(loadFolder(TAVU_SYSTEM_DIR), 1);
}

TEST(DrawCodeReplay, AgreesWithTheOriginalDrawOnAnotherDataSet) {
    test::TempDir dir;
    expectReplaysAgree(loadFolder(test::writeFixtureSystem(dir.path())), 2);
}

// Each line of a result in turn is changed to a line another draw gives (a card swapped for
// another card of the data, another count): the check names that line and both texts.
TEST(ResultCheck, EverySingleLineChangeIsFoundAtItsLine) {
    const fs::path systemDir = TAVU_SYSTEM_DIR;
    Folder folder = loadFolder(systemDir);
    std::mt19937 rng(3);
    int changedLines = 0;
    for (int i = 0; i < 60; ++i) {
        code::DrawCode drawn = test::generatedCode(rng);
        drawn.data = folder.data;
        auto file = resultFile(folder, drawn, systemDir);
        auto drawnLines = drawFrom(folder, drawn.plan, drawn.seed).lines;
        ASSERT_EQ(code::checkResultLines(file, folder.tables, folder.data).outcome,
                  drawnLines.empty() ? code::CheckOutcome::LineDiffers : code::CheckOutcome::Match);
        auto others = drawFrom(folder, drawn.plan, drawn.seed + 1).lines;
        others.push_back(test::sj("竜"));
        for (std::size_t at = 0; at < drawnLines.size(); ++at) {
            auto changed = file;
            for (const auto& other : others)
                if (other != changed[at]) {
                    changed[at] = other;
                    break;
                }
            auto report = code::checkResultLines(changed, folder.tables, folder.data);
            EXPECT_EQ(report.outcome, code::CheckOutcome::LineDiffers);
            EXPECT_EQ(report.line, static_cast<int>(at) + 1) << code::formatCode(drawn);
            EXPECT_EQ(report.found, changed[at]);
            EXPECT_EQ(report.expected, file[at]);
            ++changedLines;
        }
    }
    EXPECT_GT(changedLines, 500);
}

TEST(ResultCheck, FilesCutShortOrWithoutAReadableCodeAreNotPassed) {
    const fs::path systemDir = TAVU_SYSTEM_DIR;
    Folder folder = loadFolder(systemDir);
    code::DrawCode drawn;
    drawn.plan.command = code::Command::Book;
    drawn.data = folder.data;
    auto file = resultFile(folder, drawn, systemDir);
    auto cut = file;
    cut.erase(cut.begin() + 10);
    EXPECT_EQ(code::checkResultLines(cut, folder.tables, folder.data).line, 11);
    std::vector<std::string> onlyCode{file.back()};
    EXPECT_EQ(code::checkResultLines(onlyCode, folder.tables, folder.data).line, 1);

    auto noCode = file;
    noCode.pop_back();
    EXPECT_EQ(code::checkResultLines(noCode, folder.tables, folder.data).outcome, code::CheckOutcome::NoCode);
    auto damaged = file;
    damaged.back() += "x";
    auto report = code::checkResultLines(damaged, folder.tables, folder.data);
    EXPECT_EQ(report.outcome, code::CheckOutcome::NoCode);
    EXPECT_FALSE(report.codeMessage.empty());

    auto other = folder.data;
    other.hash ^= 1;
    other.version = 101;
    report = code::checkResultLines(file, folder.tables, other);
    EXPECT_EQ(report.outcome, code::CheckOutcome::OtherData);
    auto words = code::describeCheck(report, other);
    EXPECT_NE(words.find("版 100"), std::string::npos) << words;
    EXPECT_NE(words.find("版 101"), std::string::npos) << words;
}

// Any change to any record of any table is other data; the player's own settings and
// comment are not.
TEST(DataFingerprint, EveryRecordOfEveryTableCountsAndNothingElse) {
    test::TempDir dir;
    const fs::path systemDir = test::writeFixtureSystem(dir.path());
    const Folder folder = loadFolder(systemDir);
    int records = 0;
    for (const auto& name : requiredSystemFiles()) {
        if (name.rfind("RM_", 0) != 0)
            continue;
        const std::string original = test::readBytes(systemDir / name);
        for (std::size_t start = 0; start < original.size();) {
            std::size_t end = original.find('\n', start);
            end = end == std::string::npos ? original.size() : end;
            std::string changed = original;
            changed[start] = changed[start] == '1' ? '2' : '1';
            test::writeBytes(systemDir / name, changed);
            EXPECT_NE(code::fingerprintData(systemDir, folder.settings).hash, folder.data.hash)
                << name << " at byte " << start;
            ++records;
            start = end + 1;
        }
        test::writeBytes(systemDir / name, original);
    }
    EXPECT_GT(records, 50);
    EXPECT_EQ(code::fingerprintData(systemDir, folder.settings).hash, folder.data.hash);

    for (int e = entry::NoneCreatureCount; e < entry::ItemKindCountFirst + ItemKindCount; ++e) {
        SettingsArray sized = folder.settings;
        ++sized[static_cast<std::size_t>(e)];
        EXPECT_NE(code::fingerprintData(systemDir, sized).hash, folder.data.hash) << "entry " << e;
    }
    SettingsArray own = folder.settings;
    own[entry::CreatureMultipleCount] = 33;
    own[entry::MapCondition] = 4;
    test::writeBytes(systemDir / CommentFileName, test::sj("自分の一言\r\n"));
    EXPECT_EQ(code::fingerprintData(systemDir, own).hash, folder.data.hash);
}

} // namespace tavu
