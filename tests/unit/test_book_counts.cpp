#include "draw/book_counts.h"

#include <gtest/gtest.h>

namespace tavu::book {

TEST(BookCountRule, TypingSixtyIntoCreaturesGivesTwenty) {
    EXPECT_EQ(setCount({20, 15, 15}, Creatures, 60), (BookCounts{20, 15, 15}));
    EXPECT_TRUE(countsFillBook(setCount({20, 15, 15}, Creatures, 60)));
}

TEST(BookCountRule, ChangedSpinSettlesAtFiftyMinusTheOthers) {
    EXPECT_EQ(setCount({10, 10, 10}, Spells, 45), (BookCounts{10, 10, 30}));
    EXPECT_EQ(setCount({0, 0, 0}, Items, 60), (BookCounts{0, 49, 0}));
    EXPECT_EQ(setCount({30, 10, 10}, Items, 11), (BookCounts{30, 10, 10}));
    EXPECT_EQ(loweredCount({60, 0, 0}, Creatures), 50) << "a typed value above the range clamps first";
}

TEST(BookCountRule, ChangedSpinStopsAtItsLowestWhenTheOthersAlreadyOverflow) {
    EXPECT_EQ(loweredCount({50, 10, 0}, Spells), 0);
}

TEST(BookCountRule, TotalBelowFiftyIsNotReady) {
    EXPECT_FALSE(countsFillBook({20, 15, 14}));
    EXPECT_TRUE(countsFillBook({0, 0, 50}));
}

TEST(BookCountRestore, StoredCountsComeBackAgainstTheSpinsNotYetAssigned) {
    EXPECT_EQ(restoreCounts({40, 5, 5}), (BookCounts{20, 5, 5}));
    EXPECT_FALSE(countsFillBook(restoreCounts({40, 5, 5})));
    EXPECT_EQ(restoreCounts({20, 15, 15}), (BookCounts{20, 15, 15}));
    EXPECT_EQ(restoreCounts({5, 5, 40}), (BookCounts{5, 5, 40}));
    EXPECT_EQ(restoreCounts({-3, 99, 0}), (BookCounts{0, 35, 0})) << "values clamp to the ranges";
}

} // namespace tavu::book
