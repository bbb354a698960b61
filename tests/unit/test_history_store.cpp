#include "history/history.h"
#include "history/history_time.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <regex>

namespace tavu {

using history::DrawEntry;
using history::History;
using history::HistoryPage;
using history::HistoryRow;
using test::sampleDraw;
using test::TempDir;

namespace {

std::vector<std::int64_t> idsOf(const std::optional<std::vector<HistoryRow>>& rows) {
    std::vector<std::int64_t> ids;
    for (const auto& row : rows.value())
        ids.push_back(row.id);
    return ids;
}

HistoryPage page(std::int64_t limit, std::int64_t offset = 0) {
    HistoryPage p;
    p.limit = limit;
    p.offset = offset;
    return p;
}

} // namespace

TEST(HistoryStore, KeepsEveryFieldAcrossRunsInFoldersItMakes) {
    TempDir dir;
    auto file = dir / "data" / "tavu" / "history.sqlite3";
    DrawEntry draw = sampleDraw("book", 1);
    draw.time = "2026-12-08T15:30:12Z";
    draw.lines.insert(draw.lines.begin() + 1, ""); // an empty line between two is kept
    draw.lines.push_back("カンマ, と \"引用符\" と\ttab");
    DrawEntry noLines = sampleDraw("map", 2, 0);
    noLines.time = draw.time;
    {
        History history(file);
        EXPECT_EQ(history.record(draw), 1);
        EXPECT_EQ(history.record(noLines), 2);
        EXPECT_FALSE(history.takeNotice());
    }
    History again(file);
    std::vector<std::int64_t> ids = {2, 1};
    auto rows = again.fetch(ids);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ(rows->at(0), (HistoryRow{2, noLines}));
    EXPECT_EQ(rows->at(1), (HistoryRow{1, draw}));
    EXPECT_FALSE(again.takeNotice());
}

TEST(HistoryStore, StampsTheMomentInUtcWhenTheDrawCarriesNone) {
    TempDir dir;
    History history(dir / "h.sqlite3");
    std::string before = history::utcTimestamp(std::chrono::system_clock::now());
    auto id = history.record(sampleDraw("book", 1));
    std::string after = history::utcTimestamp(std::chrono::system_clock::now());
    std::vector<std::int64_t> ids = {*id};
    std::string time = history.fetch(ids)->at(0).draw.time;
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)"))) << time;
    EXPECT_LE(before, time);
    EXPECT_LE(time, after);
}

TEST(HistoryStore, ListsNewestFirstPageByPage) {
    TempDir dir;
    History history(dir / "h.sqlite3");
    for (int i = 1; i <= 10; ++i)
        history.record(sampleDraw("book", i, 3));
    EXPECT_EQ(idsOf(history.list(page(3))), (std::vector<std::int64_t>{10, 9, 8}));
    EXPECT_EQ(idsOf(history.list(page(3, 3))), (std::vector<std::int64_t>{7, 6, 5}));
    HistoryPage after = page(2);
    after.beforeId = 5;
    EXPECT_EQ(idsOf(history.list(after)), (std::vector<std::int64_t>{4, 3}));
    after.beforeId = 2;
    EXPECT_EQ(idsOf(history.list(after)), (std::vector<std::int64_t>{1}));

    EXPECT_TRUE(history.list(page(1))->at(0).draw.lines.empty()) << "a table needs no lines";
    HistoryPage full = page(1);
    full.withLines = true;
    EXPECT_EQ(history.list(full)->at(0).draw.lines, sampleDraw("book", 10, 3).lines);
}

TEST(HistoryStore, FiltersByCommandAndByTextInLinesOrCode) {
    TempDir dir;
    History history(dir / "h.sqlite3");
    DrawEntry dragon = sampleDraw("creature", 1, 2);
    dragon.lines[1] = "Ancient Dragon 100%_off";
    DrawEntry coded = sampleDraw("map", 2, 2);
    coded.code = "TAVU1-DRAGONCODE";
    DrawEntry onlyFile = sampleDraw("creature", 3, 2);
    onlyFile.resultFile = "/tmp/dragon.txt"; // the file name is not what the text looks in
    for (const auto& draw : {dragon, coded, onlyFile})
        history.record(draw);

    auto ids = [&](const std::string& command, const std::string& text) {
        HistoryPage p;
        p.filter = {command, text};
        auto found = idsOf(history.list(p));
        EXPECT_EQ(history.count(p.filter), static_cast<std::int64_t>(found.size()));
        return found;
    };
    using Ids = std::vector<std::int64_t>;
    EXPECT_EQ(ids("creature", ""), (Ids{3, 1}));
    EXPECT_EQ(ids("", "dragon"), (Ids{2, 1})) << "ASCII case is ignored, code and lines both count";
    EXPECT_EQ(ids("creature", "DRAGON"), (Ids{1}));
    EXPECT_EQ(ids("", "ファイアードレイク（火）3"), (Ids{3}));
    EXPECT_EQ(ids("", "100%_off"), (Ids{1}));
    EXPECT_EQ(ids("", "1%_o"), (Ids{})) << "% and _ are not wildcards";
    EXPECT_EQ(ids("book", ""), (Ids{}));
}

TEST(HistoryStore, DeletesChosenRowsOrAllAndNeverGivesAnIdTwice) {
    TempDir dir;
    History history(dir / "h.sqlite3");
    for (int i = 1; i <= 5; ++i)
        history.record(sampleDraw("book", i, 1));
    std::vector<std::int64_t> chosen = {5, 2, 42};
    EXPECT_EQ(history.remove(chosen), 2) << "an id that is not there is not counted";
    EXPECT_EQ(idsOf(history.list(page(10))), (std::vector<std::int64_t>{4, 3, 1}));
    EXPECT_EQ(history.record(sampleDraw("book", 6, 1)), 6) << "the deleted newest id stays unused";

    EXPECT_TRUE(history.clear());
    EXPECT_EQ(history.count({}), 0);
    EXPECT_EQ(history.record(sampleDraw("book", 7, 1)), 7);
    std::vector<std::int64_t> gone = {1, 6};
    EXPECT_TRUE(history.fetch(gone)->empty());
}

} // namespace tavu
