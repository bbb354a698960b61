#pragma once

#include <array>

// The complete book's three counts and the rule that keeps their total at 50 at most.
// Kept free of any widget so the window, the command line and the tests share one rule.
namespace tavu::book {

inline constexpr int BookSize = 50;

enum Family : int { Creatures = 0, Items = 1, Spells = 2 };
inline constexpr int FamilyCount = 3;

// Creatures, items, spells: the values of AbsoluteSE1..AbsoluteSE3.
using BookCounts = std::array<int, FamilyCount>;

struct SpinRange {
    int lowest;
    int highest;
    int clamp(int value) const { return value < lowest ? lowest : value > highest ? highest : value; }
};
// Items stop at 49 so that a book always keeps room for one other card.
inline constexpr std::array<SpinRange, FamilyCount> CountRanges = {{{0, 50}, {0, 49}, {0, 50}}};
inline constexpr BookCounts InitialCounts = {20, 15, 15};

// The value the changed spin edit ends at once the count rule has run: while the total is
// above 50 it lowers itself by one (each step clamped to its range), so it settles at
// 50 minus the other two, or at its lowest value when even that is too much.
int loweredCount(const BookCounts& counts, Family changed);

// Puts `value` into the spin edit of `changed` as the window does (clamped to its range)
// and runs the count rule; returns the three counts afterwards.
BookCounts setCount(BookCounts counts, Family changed, int value);

// Start-up: entries 15, 16, 17 are assigned in that order, each against the values the
// other spin edits hold at that moment, so stored 40/5/5 comes back as 20/5/5.
BookCounts restoreCounts(const std::array<int, FamilyCount>& stored);

// True when the draw may run in fixed-count mode: the counts fill the book.
bool countsFillBook(const BookCounts& counts);

} // namespace tavu::book
