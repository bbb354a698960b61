#include "draw/card_draws.h"
#include "draw_test_tables.h"
#include "output/result_file.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::creature;
using test::sj;

namespace {

// 50 none-element creatures n00..n49 of rarity N, so Random(50) picks by name.
Tables fiftyCreatures() {
    test::TableBuilder b;
    for (int i = 0; i < 50; ++i)
        b.creatures[0].push_back(creature((i < 10 ? "n0" : "n") + std::to_string(i), 0, RarityN));
    return b.build();
}

RandomSource seeded(std::uint32_t seed) {
    RandomSource r;
    r.setSeed(seed);
    return r;
}

// The state after `calls` steps from `seed`, to check how many calls a draw made.
std::uint32_t seedAfter(std::uint32_t seed, int calls) {
    RandomSource r = seeded(seed);
    for (int i = 0; i < calls; ++i)
        r.Random(1);
    return r.seed();
}

} // namespace

// From 45296789 the sequence gives Random(50) = 24 and then Random(50) = 13, so the second
// state lies in [0.26, 0.28) of 2^32 and Random(4) there is 1: two copies.
TEST(CreatureSingle, PinnedToTheSeed) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(45296789);
    auto r = drawCreatureSingle(t, CreatureFilter{}, SingleCopies{0, {}}, rnd);
    ASSERT_EQ(r.end, DrawEnd::Result);
    ASSERT_EQ(r.fields.size(), 9u);
    EXPECT_EQ(r.fields[0], " " + test::cardName("n24"));
    EXPECT_EQ(r.fields[1], "  30");
    EXPECT_EQ(r.fields[6], "  N");
    EXPECT_EQ(r.fields[8], "  2");
    EXPECT_EQ(rnd.seed(), seedAfter(45296789, 2));
}

TEST(CreatureSingle, ECardGetsOneCopyWithoutDrawingTheCount) {
    test::TableBuilder b;
    b.creatures[2] = {creature("e", 2, RarityE)};
    Tables t = b.build();
    CreatureFilter onlyE;
    onlyE.rarities = {false, false, false, true};
    for (int index : {0, 3}) {
        RandomSource rnd = seeded(7);
        auto r = drawCreatureSingle(t, onlyE, SingleCopies{index, {}}, rnd);
        EXPECT_EQ(r.fields[8], "  1");
        EXPECT_EQ(rnd.seed(), seedAfter(7, 1));
    }
}

TEST(CreatureSingle, FixedCopiesAndAnIndexOutsideTheComboKeepsTheField) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(1);
    EXPECT_EQ(drawCreatureSingle(t, CreatureFilter{}, SingleCopies{2, {}}, rnd).fields[8], "  2");
    EXPECT_EQ(rnd.seed(), seedAfter(1, 1));
    EXPECT_EQ(drawCreatureSingle(t, CreatureFilter{}, SingleCopies{-1, "  4"}, rnd).fields[8], "  4");
}

TEST(CreatureSingle, RandomCopiesStayWithinOneToFour) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(99);
    for (int i = 0; i < 200; ++i) {
        std::string copies = drawCreatureSingle(t, CreatureFilter{}, SingleCopies{0, {}}, rnd).fields[8];
        ASSERT_TRUE(copies == "  1" || copies == "  2" || copies == "  3" || copies == "  4") << copies;
    }
}

TEST(CreatureSingle, NoCandidateDrawsRandomZeroOnceAndWarns) {
    Tables t = fiftyCreatures();
    CreatureFilter fireOnly;
    fireOnly.elements = {false, true, false, false, false};
    RandomSource rnd = seeded(5);
    auto r = drawCreatureSingle(t, fireOnly, SingleCopies{0, {}}, rnd);
    EXPECT_EQ(r.end, DrawEnd::DrawWarning);
    EXPECT_TRUE(r.fields.empty());
    EXPECT_EQ(rnd.seed(), seedAfter(5, 1));
}

TEST(CreatureSingle, SacrificeTextForZeroAndAnyOtherValue) {
    for (int sacrifice : {0, 1, -3}) {
        test::TableBuilder b;
        b.creatures[0] = {creature("s", 0, RarityN)};
        b.creatures[0][0].sacrifice = sacrifice;
        Tables t = b.build();
        RandomSource rnd;
        auto field = drawCreatureSingle(t, CreatureFilter{}, SingleCopies{1, {}}, rnd).fields[5];
        EXPECT_EQ(field, sj(sacrifice == 0 ? "  無し" : "  有り")) << sacrifice;
    }
}

TEST(CreatureSingle, OutputLinesCarryTheStoredNameAndTheCount) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(45296789);
    auto r = drawCreatureSingle(t, CreatureFilter{}, SingleCopies{3, {}}, rnd);
    OutputBuffer out = singleDrawOutput(r.fields[0], r.fields[8]);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], test::cardName("n24"));
    EXPECT_EQ(out[1], sj("をブック内に 3枚 組み込んでブックを作成して下さい。"));
}

TEST(CreatureMultiple, FiftyFromThreeCandidatesAreGroupedInCandidateOrder) {
    test::TableBuilder b;
    b.creatures[0] = {creature("a", 0, RarityS)};
    b.creatures[1] = {creature("b", 1, RarityN)};
    b.creatures[4] = {creature("c", 4, RarityR)};
    Tables t = b.build();
    RandomSource rnd = seeded(12345);
    auto r = drawCreatureMultiple(t, CreatureFilter{}, MultipleCount{50, false}, rnd);
    ASSERT_EQ(r.end, DrawEnd::Result);
    ASSERT_EQ(r.lines.size(), 50u);
    const std::string lines[] = {sj("無　") + test::cardName("a"), sj("火　") + test::cardName("b"),
                                 sj("風　") + test::cardName("c")};
    std::size_t group = 0;
    for (const auto& line : r.lines) {
        while (group < 3 && line != lines[group])
            ++group;
        ASSERT_LT(group, 3u) << "out of order or unknown line";
    }
    EXPECT_EQ(rnd.seed(), seedAfter(12345, 50));
}

TEST(CreatureMultiple, LineIsCutAtTwentyFourBytes) {
    test::TableBuilder b;
    b.creatures[3] = {creature("x", 3, RarityN)};
    b.creatures[3][0].name = std::string(22, 'L');
    RandomSource rnd;
    auto r = drawCreatureMultiple(b.build(), CreatureFilter{}, MultipleCount{1, false}, rnd);
    EXPECT_EQ(r.lines.at(0), sj("地　") + std::string(20, 'L'));
}

// From seed 0 the first call returns 0 for any n: the random count 0 is clamped to 1.
TEST(CreatureMultiple, RandomCountGoesThroughTheClamp) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(0);
    auto r = drawCreatureMultiple(t, CreatureFilter{}, MultipleCount{20, true}, rnd);
    EXPECT_EQ(r.randomCount, 1);
    EXPECT_EQ(r.count, 1);
    // The second state gives Random(100) = 3, so Random(50) = 1: card n01.
    EXPECT_EQ(r.lines, std::vector<std::string>{sj("無　") + test::cardName("n01")});
}

TEST(CreatureMultiple, EOnlyCountsEveryElementEvenUnticked) {
    test::TableBuilder b;
    b.creatures[0] = {creature("e0", 0, RarityE), creature("e1", 0, RarityE)};
    b.creatures[1] = {creature("e2", 1, RarityE)};
    Tables t = b.build();
    CreatureFilter fireE;
    fireE.elements = {false, true, false, false, false};
    fireE.rarities = {false, false, false, true};

    RandomSource rnd = seeded(3);
    auto refused = drawCreatureMultiple(t, fireE, MultipleCount{4, false}, rnd);
    EXPECT_EQ(refused.end, DrawEnd::DrawWarning);
    EXPECT_TRUE(refused.lines.empty());
    EXPECT_EQ(rnd.seed(), 3u); // nothing drawn

    auto drawn = drawCreatureMultiple(t, fireE, MultipleCount{3, false}, rnd);
    EXPECT_EQ(drawn.end, DrawEnd::Result);
    EXPECT_EQ(drawn.lines.size(), 3u); // the one fire E card three times
}

TEST(CreatureMultiple, EOnlyCheckFollowsTheRandomCount) {
    test::TableBuilder b;
    b.creatures[0] = {creature("e0", 0, RarityE)};
    CreatureFilter onlyE;
    onlyE.rarities = {false, false, false, true};
    RandomSource rnd = seeded(0); // Random(50) = 0, clamped to 1, which one E card covers
    auto r = drawCreatureMultiple(b.build(), onlyE, MultipleCount{40, true}, rnd);
    EXPECT_EQ(r.end, DrawEnd::Result);
    EXPECT_EQ(r.count, 1);
}

TEST(CreatureMultiple, NoCandidateStillMakesEveryCallThenWarns) {
    Tables t = fiftyCreatures();
    CreatureFilter waterOnly;
    waterOnly.elements = {false, false, true, false, false};
    RandomSource rnd = seeded(77);
    auto r = drawCreatureMultiple(t, waterOnly, MultipleCount{7, false}, rnd);
    EXPECT_EQ(r.end, DrawEnd::DrawWarning);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(rnd.seed(), seedAfter(77, 7));
}

TEST(CreatureMultiple, FileLinesEndWithTheCountSentence) {
    Tables t = fiftyCreatures();
    RandomSource rnd = seeded(8);
    auto r = drawCreatureMultiple(t, CreatureFilter{}, MultipleCount{20, false}, rnd);
    OutputBuffer out = multipleDrawOutput(r.lines, r.count);
    ASSERT_EQ(out.size(), 22u);
    EXPECT_EQ(out[20], "");
    EXPECT_EQ(out[21], sj("の 20枚を組み込んでブックを作成して下さい。"));
}

} // namespace tavu
