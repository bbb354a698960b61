#include "book_candidates.h"

#include "store/derived_counts.h"

namespace tavu::book {

BookCandidates::BookCandidates(const Table<CardListRecord>& cardList, bool excludeECards)
    : cardList_(cardList) {
    const auto& stored = cardList.stored();
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (!excludeECards || stored[i].isECard == 0)
            storedIndex_.push_back(static_cast<std::int32_t>(i));
    std::int32_t blanks = cardList.size() - static_cast<std::int32_t>(stored.size());
    size_ = static_cast<std::int32_t>(storedIndex_.size()) + blanks;
}

const std::string& BookCandidates::name(std::int32_t position) const {
    static const std::string blank;
    if (position < 0 || position >= size_)
        return blank;
    if (static_cast<std::size_t>(position) < storedIndex_.size())
        return cardList_[storedIndex_[static_cast<std::size_t>(position)]].name;
    return blank;
}

namespace {
template <std::size_t N>
std::int32_t sumRarities(const std::array<std::int32_t, N>& counters, bool excludeECards) {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (!excludeECards || i % RarityCount != RarityE)
            sum += counters[i];
    return sum;
}
} // namespace

BookCounts familyPools(const Tables& tables, bool excludeECards) {
    return {sumRarities(CountCreatureRarities(tables), excludeECards),
            sumRarities(CountItemRarities(tables), excludeECards), CountBookSpells(tables, excludeECards)};
}

} // namespace tavu::book
