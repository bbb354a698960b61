#include "draw/card_draws.h"
#include "draw_test_tables.h"
#include "output/result_file.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::sj;
using test::spell;

namespace {
RandomSource seeded(std::uint32_t seed) {
    RandomSource r;
    r.setSeed(seed);
    return r;
}
} // namespace

TEST(SpellSingle, FieldsAsStored) {
    test::TableBuilder b;
    b.spells = {spell("fire", RarityS)};
    RandomSource rnd;
    auto r = drawSpellSingle(b.build(), StartRarities, SingleCopies{3, {}}, rnd);
    ASSERT_EQ(r.fields.size(), 8u);
    EXPECT_EQ(r.fields[0], " " + test::cardName("fire"));
    EXPECT_EQ(r.fields[1], "  40");
    EXPECT_EQ(r.fields[2], "  S");
    EXPECT_EQ(r.fields[3], sj(" 無し "));
    EXPECT_EQ(r.fields[4], sj(" 単体 "));
    EXPECT_EQ(r.fields[5], sj(" 敵クリーチャ"));
    EXPECT_EQ(r.fields[6], sj(" 瞬間 "));
    EXPECT_EQ(r.fields[7], "  3");
    EXPECT_EQ(singleDrawOutput(r.fields[0], r.fields[7])[1],
              sj("をブック内に 3枚 組み込んでブックを作成して下さい。"));
}

TEST(SpellSingle, NoMatchingCardAfterOneCall) {
    test::TableBuilder b;
    b.spells = {spell("n", RarityN)};
    RandomSource rnd = seeded(9);
    auto r = drawSpellSingle(b.build(), RarityTicks{false, false, true, false}, SingleCopies{0, {}}, rnd);
    EXPECT_EQ(r.end, DrawEnd::NoMatchingCard);
    EXPECT_EQ(drawEndText(r.end), "該当カードなし");
    RandomSource once = seeded(9);
    once.Random(0);
    EXPECT_EQ(rnd.seed(), once.seed());
}

TEST(SpellSingle, NonECardAfterAnECardTakesTheComboAgain) {
    test::TableBuilder b;
    b.spells = {spell("e", RarityE), spell("n", RarityN)};
    Tables t = b.build();
    RandomSource rnd;
    EXPECT_EQ(drawSpellSingle(t, {false, false, false, true}, SingleCopies{3, {}}, rnd).fields[7], "  1");
    EXPECT_EQ(drawSpellSingle(t, {true, false, false, false}, SingleCopies{3, {}}, rnd).fields[7], "  3");
}

// From seed 0 three calls Random(100) give 0, 3 and 86.
TEST(SpellMultiple, PinnedToTheSeed) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("s", 100, RarityN);
    RandomSource rnd = seeded(0);
    auto r = drawSpellMultiple(b.build(), StartRarities, MultipleCount{3, false}, rnd);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"1  " + test::cardName("s00"), "2  " + test::cardName("s03"),
                                                 "3  " + test::cardName("s86")}));
}

// From 45296789 Random(50) gives 24 and then 13; the list is sorted.
TEST(SpellMultiple, PinnedToTheSecondSeed) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("s", 50, RarityN);
    RandomSource rnd = seeded(45296789);
    auto r = drawSpellMultiple(b.build(), StartRarities, MultipleCount{2, false}, rnd);
    EXPECT_EQ(r.lines,
              (std::vector<std::string>{"1  " + test::cardName("s13"), "2  " + test::cardName("s24")}));
}

TEST(SpellMultiple, FiftySpellsGiveFiftyFourLines) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("s", 5, RarityN);
    RandomSource rnd = seeded(31);
    auto r = drawSpellMultiple(b.build(), StartRarities, MultipleCount{50, false}, rnd);
    ASSERT_EQ(r.lines.size(), 54u);
    for (std::size_t i : {10u, 21u, 32u, 43u})
        EXPECT_EQ(r.lines[i], "") << i;
    EXPECT_EQ(r.lines.back().substr(0, 3), "50 ");
}

TEST(SpellMultiple, EOnlyCheckUsesTheSpinValueBeforeTheRandomCount) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("e", 3, RarityE);
    Tables t = b.build();
    RarityTicks onlyE{false, false, false, true};

    RandomSource rnd = seeded(45296789);
    auto refused = drawSpellMultiple(t, onlyE, MultipleCount{15, true}, rnd);
    EXPECT_EQ(refused.end, DrawEnd::DrawWarning);
    EXPECT_FALSE(refused.randomCount);
    EXPECT_EQ(rnd.seed(), 45296789u);

    // A value the E spells cover lets the draw go on; Random(50) = 24 then asks for more.
    auto drawn = drawSpellMultiple(t, onlyE, MultipleCount{3, true}, rnd);
    EXPECT_EQ(drawn.end, DrawEnd::Result);
    EXPECT_EQ(drawn.randomCount, 24);
    EXPECT_EQ(drawn.count, 24);
    EXPECT_EQ(drawn.lines.size(), 26u);
}

TEST(SpellMultiple, RandomCountNeverFiftyAndZeroBecomesOne) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("s", 2, RarityN);
    Tables t = b.build();
    RandomSource rnd = seeded(0);
    EXPECT_EQ(drawSpellMultiple(t, StartRarities, MultipleCount{15, true}, rnd).randomCount, 1);
    for (int i = 0; i < 300; ++i) {
        int k = *drawSpellMultiple(t, StartRarities, MultipleCount{15, true}, rnd).randomCount;
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 49);
    }
}

TEST(SpellMultiple, EmptyCandidateListWarnsInsteadOfReadingPastIt) {
    test::TableBuilder b;
    b.spells = test::numberedSpells("s", 4, RarityN);
    RandomSource rnd;
    auto r =
        drawSpellMultiple(b.build(), RarityTicks{false, true, false, false}, MultipleCount{5, false}, rnd);
    EXPECT_EQ(r.end, DrawEnd::DrawWarning);
    EXPECT_TRUE(r.lines.empty());
}

} // namespace tavu
