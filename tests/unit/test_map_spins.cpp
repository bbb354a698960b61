#include "match/map_spins.h"

#include <gtest/gtest.h>

namespace tavu::map {

TEST(MapSpinRule, LoweringTheMaximumPullsTheMinimumOneStepBelow) {
    MapSpins spins = initialSpins();
    spins = setSpin(spins, MagicMin, 8000);
    spins = setSpin(spins, MagicMax, 7000);
    EXPECT_EQ(spins[MagicMin], 6000);
    spins = setSpin(spins, MagicMin, 7000);
    EXPECT_EQ(spins[MagicMin], 7000) << "a minimum equal to the maximum stays";
    spins = setSpin(spins, PeriodMin, 95);
    EXPECT_EQ(spins[PeriodMin], 90) << "clamped to its highest, equal to the maximum";
    spins = setSpin(spins, PeriodMax, 80);
    EXPECT_EQ(spins[PeriodMin], 75);
}

TEST(MapSpinRule, MinimumNeverLeavesItsOwnRange) {
    MapSpins spins = setSpin(initialSpins(), MagicMax, 5000);
    EXPECT_EQ(spins[MagicMin], 5000);
    spins = setSpin(initialSpins(), TimeMax, 0);
    EXPECT_EQ(spins[TimeMax], 15);
    EXPECT_EQ(spins[TimeMin], 10);
}

TEST(MapSpinRestore, MinimumsMeetTheInitialMaximumsFirst) {
    MapSpins stored = {20000, 30000, 50, 90, 65, 90};
    MapSpins restored = restoreSpins(stored);
    EXPECT_EQ(restored[MagicMin], 8000);
    EXPECT_EQ(restored[MagicMax], 30000);
    EXPECT_EQ(restored[TimeMin], 55);
    EXPECT_EQ(restoreSpins({6000, 9000, 50, 90, 30, 60}), initialSpins());
    EXPECT_EQ(restoreSpins({0, 0, 0, 0, 0, 0}), (MapSpins{5000, 5000, 30, 35, 10, 15}));
}

TEST(MapSpinRange, ARangeTypedInOneGoComesThroughWhole) {
    MapSpins spins = setRange(initialSpins(), MagicMin, 20000, 30000);
    EXPECT_EQ(spins[MagicMin], 20000);
    EXPECT_EQ(spins[MagicMax], 30000);
    spins = setRange(spins, PeriodMin, 90, 40);
    EXPECT_EQ(spins[PeriodMin], 35);
    EXPECT_EQ(spins[PeriodMax], 40);
}

} // namespace tavu::map
