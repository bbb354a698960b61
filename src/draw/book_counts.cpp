#include "book_counts.h"

#include <algorithm>

namespace tavu::book {

namespace {
int totalOf(const BookCounts& counts) {
    return counts[Creatures] + counts[Items] + counts[Spells];
}
} // namespace

int loweredCount(const BookCounts& counts, Family changed) {
    int value = counts[changed];
    int others = totalOf(counts) - value;
    if (value + others <= BookSize)
        return value;
    const SpinRange& range = CountRanges[changed];
    // Each nested run sets value - 1; the spin edit clamps it, and an unchanged value raises
    // no further change event, so the descent stops at the lowest value.
    int target = BookSize - others;
    return target < range.lowest ? range.lowest : std::min({target, value, range.highest});
}

BookCounts setCount(BookCounts counts, Family changed, int value) {
    counts[changed] = CountRanges[changed].clamp(value);
    counts[changed] = loweredCount(counts, changed);
    return counts;
}

BookCounts restoreCounts(const std::array<int, FamilyCount>& stored) {
    BookCounts counts = InitialCounts;
    for (int f = 0; f < FamilyCount; ++f)
        counts = setCount(counts, static_cast<Family>(f), stored[static_cast<std::size_t>(f)]);
    return counts;
}

bool countsFillBook(const BookCounts& counts) {
    return totalOf(counts) >= BookSize;
}

} // namespace tavu::book
