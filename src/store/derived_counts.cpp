#include "derived_counts.h"

namespace tavu {

namespace {
// Blank records (beyond what the file held) match no rarity, so only stored ones count.
template <class Record>
void countRarities(const Table<Record>& table, std::int32_t* counters) {
    for (const auto& record : table.stored())
        if (int r = rarityIndex(record.rarity); r >= 0)
            ++counters[r];
}
} // namespace

CreatureRarityCount CountCreatureRarities(const Tables& tables) {
    CreatureRarityCount counts{};
    for (int e = 0; e < ElementCount; ++e)
        countRarities(tables.creatures[static_cast<std::size_t>(e)], counts.data() + e * RarityCount);
    return counts;
}

ItemRarityCount CountItemRarities(const Tables& tables) {
    ItemRarityCount counts{};
    for (int k = 0; k < ItemKindCount; ++k)
        countRarities(tables.itemKinds[static_cast<std::size_t>(k)], counts.data() + k * RarityCount);
    return counts;
}

std::int32_t CountBookSpells(const Tables& tables, bool excludeECards) {
    if (!excludeECards)
        return tables.spells.size();
    std::int32_t count = 0;
    for (const auto& spell : tables.spells.stored())
        if (int r = rarityIndex(spell.rarity); r >= 0 && r != RarityE)
            ++count;
    return count;
}

std::int32_t CountBookCards(const Tables& tables, bool excludeECards) {
    if (!excludeECards)
        return tables.cardList.size();
    // Blank entries beyond the file have isECard 0, so they count as usable cards.
    std::int32_t count = tables.cardList.size() - static_cast<std::int32_t>(tables.cardList.stored().size());
    for (const auto& card : tables.cardList.stored())
        if (card.isECard == 0)
            ++count;
    return count;
}

} // namespace tavu
