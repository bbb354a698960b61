#include "match/cpu_opponents.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <set>

namespace tavu::cpu {

using test::sj;

namespace {
// Opponent n uses only element n % 5, so each element box selects a known set.
Table<OpponentRecord> opponents(int count) {
    Table<OpponentRecord> table(count);
    for (int n = 0; n < count; ++n) {
        OpponentRecord record;
        record.name = "P" + std::to_string(n);
        record.usesElement[static_cast<std::size_t>(n % 5)] = 1;
        table.append(record);
    }
    return table;
}

RandomSource seeded(std::uint32_t seed) {
    RandomSource random;
    random.setSeed(seed);
    return random;
}

CpuResult draw(const CpuRequest& request, std::uint32_t seed,
               const Table<OpponentRecord>& table = opponents(10), const CpuDisplay& previous = {}) {
    auto random = seeded(seed);
    return drawCpuOpponents(table, request, previous, random);
}

std::uint32_t seedWhere(auto&& predicate) {
    std::uint32_t seed = 0;
    while (!predicate(seeded(seed)))
        ++seed;
    return seed;
}
} // namespace

TEST(CpuDraw, ThreeOpponentsAreAlwaysDifferentRecords) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        auto result = draw({3, {true, true, true, true, true}, NoAllies}, seed, opponents(4));
        ASSERT_TRUE(result.message.empty());
        std::set<std::string> names(result.display.vsEdit.begin() + 1, result.display.vsEdit.end());
        EXPECT_EQ(names.size(), 3u);
        EXPECT_EQ(result.display.vsEdit[0], sj(" CPU 人数 3人"));
    }
}

TEST(CpuDraw, OnlyTickedElementsQualify) {
    CpuRequest fireOnly{2, {false, true, false, false, false}, NoAllies};
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        auto result = draw(fireOnly, seed);
        for (int k : {1, 2})
            EXPECT_TRUE(result.display.vsEdit[static_cast<std::size_t>(k)] == " P1" ||
                        result.display.vsEdit[static_cast<std::size_t>(k)] == " P6");
    }
}

TEST(CpuDraw, FixedCountStillSpendsTheFirstCallOnRandomThree) {
    auto result = draw({1, {true, true, true, true, true}, NoAllies}, 31);
    auto replay = seeded(31);
    replay.Random(3);
    auto first = replay.Random(10);
    EXPECT_EQ(result.display.vsEdit[1], " P" + std::to_string(first));
    EXPECT_EQ(result.display.vsEdit[0], sj(" CPU 人数 1人"));
    EXPECT_EQ(result.display.vsEdit[2], "");
    EXPECT_EQ(result.display.vsEdit[3], "");
}

TEST(CpuDraw, UnsetCountTakesTheFirstCall) {
    auto result = draw({AnyCount, {true, true, true, true, true}, NoAllies}, 12);
    int a = static_cast<int>(seeded(12).Random(3)) + 1;
    EXPECT_EQ(result.opponents, a);
    EXPECT_EQ(result.display.vsEdit[0], sj(" CPU 人数 ") + std::to_string(a) + sj("人"));
}

TEST(CpuDraw, AlliesAreMarkedOnlyBesideAnOpponent) {
    CpuRequest request{2, {true, true, true, true, true}, TwoAllies};
    EXPECT_EQ(draw(request, 1).display.allies, (std::array<bool, 3>{true, true, false}));
    request.count = 1;
    request.allies = OneAlly;
    EXPECT_EQ(draw(request, 1).display.allies, (std::array<bool, 3>{}));
    request.count = 3;
    request.allies = AnyAllies;
    // Calls: Random(3), three picks, then Random(4) for the allies.
    auto seed = seedWhere([](RandomSource r) {
        r.Random(3);
        std::set<std::uint32_t> taken;
        while (taken.size() < 3)
            taken.insert(r.Random(10));
        return r.Random(4) == 3;
    });
    EXPECT_EQ(draw(request, seed, opponents(10)).display.allies, (std::array<bool, 3>{true, true, true}));
}

TEST(CpuDraw, OnePlayerWithTwoAlliesShowsTheTendencyWarningAndDrawsNothing) {
    CpuDisplay previous;
    previous.vsEdit[0] = "old";
    auto random = seeded(4);
    auto result =
        drawCpuOpponents(opponents(10), {1, {true, true, true, true, true}, TwoAllies}, previous, random);
    EXPECT_EQ(result.message, TendencyWarningText);
    EXPECT_EQ(result.display.vsEdit[0], "old");
    EXPECT_EQ(random.seed(), 4u);
}

TEST(CpuDraw, DrawsThatCannotEndStopWithAMessageAndKeepTheDisplay) {
    CpuDisplay previous;
    previous.vsEdit = {"a", "b", "c", "d"};
    struct Case {
        CpuRequest request;
        Table<OpponentRecord> table;
        std::string expected;
    };
    const Case cases[] = {
        {{3, {false, true, false, false, false}, NoAllies}, opponents(10), "2 人しかいない"},
        {{1, {false, false, false, false, false}, NoAllies}, opponents(10), "0 人しかいない"},
        {{1, {true, true, true, true, true}, NoAllies}, Table<OpponentRecord>(0), "RM_VS.tri"},
        {{NoEntry, {true, true, true, true, true}, NoAllies}, opponents(10), "CPU の人数を選択"},
    };
    for (const auto& c : cases) {
        auto result = draw(c.request, 6, c.table, previous);
        EXPECT_NE(result.message.find(c.expected), std::string::npos) << result.message;
        EXPECT_EQ(result.display.vsEdit, previous.vsEdit);
        EXPECT_EQ(result.opponents, 0);
    }
}

TEST(CpuDraw, BlankRecordsBeyondTheFileNeverQualify) {
    Table<OpponentRecord> table(50); // the settings promise 50, the file held 2
    auto two = opponents(2);
    for (const auto& record : two.stored())
        table.append(record);
    auto result = draw({2, {true, true, true, true, true}, NoAllies}, 8, table);
    ASSERT_TRUE(result.message.empty());
    std::set<std::string> names{result.display.vsEdit[1], result.display.vsEdit[2]};
    EXPECT_EQ(names, (std::set<std::string>{" P0", " P1"}));
}

TEST(CpuCombos, OnePlayerWithAnyNamedAllyDisablesTheButtons) {
    EXPECT_FALSE(cpuCombosAllowDraw(1, OneAlly));
    EXPECT_FALSE(cpuCombosAllowDraw(1, TwoAllies));
    EXPECT_TRUE(cpuCombosAllowDraw(1, AnyAllies));
    EXPECT_TRUE(cpuCombosAllowDraw(2, TwoAllies));
}

TEST(CpuFile, BodyMarksAlliesAndClosesWithTheFixedLines) {
    CpuDisplay display;
    display.vsEdit = {sj(" CPU 人数 2人"), " P1", " P2", ""};
    display.allies = {true, false, false};
    auto body = cpuFileBody(display, 2);
    ASSERT_EQ(body.size(), 8u);
    EXPECT_EQ(body[0], sj("同盟相手　　>>>　") + " P1");
    EXPECT_EQ(body[1], sj("対戦相手　　>>>　") + " P2");
    EXPECT_EQ(body[2], " ");
    EXPECT_EQ(body[3], "");
    EXPECT_EQ(body[4], sj("以上のストーリーキャラと対戦を行って下さい。"));
    EXPECT_EQ(body[7], "");
    EXPECT_EQ(cpuFileBody(display, 0).size(), 5u) << "no opponent lines and no blank line";
}

} // namespace tavu::cpu
