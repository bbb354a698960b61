#include "derived_counts.h"

#include <algorithm>

namespace tavu {

namespace {
// Blank records (beyond what the file held) match no rarity, so only stored ones count.
template <class Record, std::size_t N>
std::array<std::int32_t, N * RarityCount> countRarities(const std::array<Table<Record>, N>& tables) {
    std::array<std::int32_t, N * RarityCount> counts{};
    for (std::size_t t = 0; t < N; ++t)
        for (const auto& record : tables[t].stored())
            if (int r = rarityIndex(record.rarity); r >= 0)
                ++counts[t * RarityCount + static_cast<std::size_t>(r)];
    return counts;
}
} // namespace

CreatureRarityCount CountCreatureRarities(const Tables& tables) {
    return countRarities(tables.creatures);
}

ItemRarityCount CountItemRarities(const Tables& tables) {
    return countRarities(tables.itemKinds);
}

std::int32_t CountBookSpells(const Tables& tables, bool excludeECards) {
    if (!excludeECards)
        return tables.spells.size();
    return static_cast<std::int32_t>(
        std::ranges::count_if(tables.spells.stored(), [](const SpellRecord& spell) {
            int r = rarityIndex(spell.rarity);
            return r >= 0 && r != RarityE;
        }));
}

std::int32_t CountBookCards(const Tables& tables, bool excludeECards) {
    if (!excludeECards)
        return tables.cardList.size();
    // Blank entries beyond the file have isECard 0, so they count as usable cards.
    auto eCards =
        std::ranges::count_if(tables.cardList.stored(), [](const auto& card) { return card.isECard != 0; });
    return tables.cardList.size() - static_cast<std::int32_t>(eCards);
}

} // namespace tavu
