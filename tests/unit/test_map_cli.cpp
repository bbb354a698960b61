#include "match_cli_fixture.h"

#include <gtest/gtest.h>

namespace tavu::test {

namespace {
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}

} // namespace

TEST(MapCli, BoxesInPageOrderThenTheFacilityDigits) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 7, "map --map 6 --land-level 2 --magic 20000,20000 --sudden-death 1");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto out = lines(run.out);
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out[0].substr(0, 7), " 雪原");
    EXPECT_EQ(out[1], " 20000") << "a range inside the bounds comes through whole";
    EXPECT_EQ(out[2], "");
    EXPECT_EQ(out[3], "");
    EXPECT_EQ(out[4], " ") << "an unticked land element keeps one blank";
    EXPECT_EQ(out[5], " オン");
    EXPECT_EQ(out[6], " Lv 2");
    EXPECT_EQ(out[7], " 9");
    EXPECT_EQ(out[8], "  5");
    EXPECT_EQ(out[9], "   6  ");
    EXPECT_EQ(out[10], "1001");
}

TEST(MapCli, NoMapDrawnShowsQuestionMarks) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 7, "map --period 50,50 --land-level 1");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto out = lines(run.out);
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out[0], "");
    EXPECT_EQ(out[2], " 50");
    EXPECT_EQ(out[7], " ？");
    EXPECT_EQ(out[10], "0000");
}

TEST(MapCli, NothingToDrawIsAUsageError) {
    TempDir dir;
    writeMatchSystem(dir.path());
    EXPECT_EQ(runMatchCli(dir, 7, "map").exitCode, 2);
    EXPECT_EQ(runMatchCli(dir, 7, "map --period 50,60 --time-limit 30,40").exitCode, 2);
    EXPECT_EQ(runMatchCli(dir, 7, "map --map 7").exitCode, 2);
}

TEST(MapCli, ConditionNoMapMeetsEndsWithAWarningAfterTheRules) {
    TempDir dir;
    auto system = writeMatchSystem(dir.path());
    writeBytes(system / "RM_Map.tri", "1 1 1 0 1 6 3 " + sj("草原") + "            4     0\r\n");
    auto run = runMatchCli(dir, 7, "map --map 6 --land-level 1");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("条件に合う対戦マップがありません"), std::string::npos) << run.err;
    auto out = lines(run.out);
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out[6], " Lv 1");
}

} // namespace tavu::test
