#include "store/random_source.h"

#include <gtest/gtest.h>

namespace tavu {

TEST(RandomSource, KnownSequenceFromZero) {
    RandomSource rnd;
    EXPECT_EQ(rnd.Random(100), 0u);
    EXPECT_EQ(rnd.seed(), 1u);
    EXPECT_EQ(rnd.Random(100), 3u);
    EXPECT_EQ(rnd.seed(), 134775814u);
    EXPECT_EQ(rnd.Random(100), 86u);
    EXPECT_EQ(rnd.seed(), 3698175007u);
    EXPECT_EQ(rnd.Random(4), 0u);
    EXPECT_EQ(rnd.seed(), 870078620u);
}

TEST(RandomSource, SeedFromClockTimeAndFollowingDraws) {
    EXPECT_EQ(RandomSource::seedFromTimeOfDay(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(RandomSource::seedFromTimeOfDay(23, 59, 59, 999), 86399999u);
    RandomSource rnd;
    rnd.setSeed(45296789);
    EXPECT_EQ(rnd.Random(50), 24u);
    EXPECT_EQ(rnd.Random(50), 13u);
    EXPECT_EQ(rnd.Random(3), 1u);
}

TEST(RandomSource, EveryCallAdvancesEvenForZeroAndOne) {
    RandomSource a;
    RandomSource b;
    EXPECT_EQ(a.Random(0), 0u);
    EXPECT_EQ(a.Random(1), 0u);
    b.Random(7);
    b.Random(7);
    EXPECT_EQ(a.seed(), b.seed());
}

TEST(RandomSource, RandomizeStaysWithinOneDay) {
    RandomSource rnd;
    rnd.Randomize();
    EXPECT_LT(rnd.seed(), 86400000u);
}

} // namespace tavu
