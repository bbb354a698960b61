#pragma once

#include "book_counts.h"
#include "store/tables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavu::book {

// The usable entries of CardListTable in table order, packed: with E cards excluded only
// those whose isECard is 0. The table's declared size comes from the settings file, so the
// blank entries beyond what RM_08.tri held are counted rather than copied.
class BookCandidates {
public:
    BookCandidates(const Table<CardListRecord>& cardList, bool excludeECards);

    // BookCardCount.
    std::int32_t size() const { return size_; }
    // The stored 19-byte name at candidate position `position` (empty for a blank entry).
    const std::string& name(std::int32_t position) const;

private:
    const Table<CardListRecord>& cardList_;
    std::vector<std::int32_t> storedIndex_; // candidate position -> table index
    std::int32_t size_ = 0;
};

// PC, PI, PS: how many candidates each family occupies, in that order, from the rarity
// counts of the family tables (N, S and R only when E cards are excluded).
BookCounts familyPools(const Tables& tables, bool excludeECards);

} // namespace tavu::book
