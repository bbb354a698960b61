#include "match_cli_fixture.h"

#include <gtest/gtest.h>

namespace tavu::test {

TEST(CpuCli, TwoAlliedOpponentsAndTheClosingLines) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 3, "cpu --count 2 --allies 3");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string expectedTail =
        " \n\n以上のストーリーキャラと対戦を行って下さい。\n\n"
        "（同盟相手を抽出する場合、条件の設定次第では正しく抽出されないケースがあります）\n\n";
    ASSERT_GE(run.out.size(), expectedTail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - expectedTail.size()), expectedTail);
    EXPECT_EQ(run.out.rfind("同盟相手　　>>>　 騎士", 0), 0u);
    EXPECT_NE(run.out.find("\n同盟相手　　>>>　 騎士"), std::string::npos);
}

TEST(CpuCli, ElementsNarrowTheOpponents) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 3, "cpu --count 2 --elements fire");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(" 騎士1"), std::string::npos);
    EXPECT_NE(run.out.find(" 騎士2"), std::string::npos);
}

TEST(CpuCli, DrawsThatCannotBeMadeExitWithTheirMessage) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto tooFew = runMatchCli(dir, 3, "cpu --count 3 --elements fire");
    EXPECT_EQ(tooFew.exitCode, 3);
    EXPECT_NE(tooFew.err.find("2 人しかいない"), std::string::npos) << tooFew.err;
    auto tendency = runMatchCli(dir, 3, "cpu --count 1 --allies 3");
    EXPECT_EQ(tendency.exitCode, 3);
    EXPECT_NE(tendency.err.find("ブック傾向を正しく設定して下さい"), std::string::npos);
    EXPECT_EQ(tendency.out, "");
}

TEST(CpuCli, UnknownElementOrCountIsAUsageError) {
    TempDir dir;
    writeMatchSystem(dir.path());
    EXPECT_EQ(runMatchCli(dir, 3, "cpu --elements fire,lava").exitCode, 2);
    EXPECT_EQ(runMatchCli(dir, 3, "cpu --count 4").exitCode, 2);
}

} // namespace tavu::test
