#include "item_draws.h"

#include "multiple_draw.h"
#include "store/derived_counts.h"
#include "store/sjis_text.h"

#include <array>

namespace tavu {

namespace {

std::string kindField(std::int32_t kind) {
    static const std::array<std::string, ItemKindCount> texts = {
        sjis::fromUtf8OrThrow("  武器"), sjis::fromUtf8OrThrow("  防具"), sjis::fromUtf8OrThrow("  アイテム"),
        sjis::fromUtf8OrThrow("  巻物")};
    return kind >= 0 && kind < ItemKindCount ? texts[static_cast<std::size_t>(kind)] : std::string();
}

std::vector<std::string> itemFields(const ItemRecord& card, std::string copies) {
    return {nameField(card.name),   numberField(card.stBonus), numberField(card.hpBonus),
            numberField(card.cost), kindField(card.kind),      card.rarity,
            card.special,           std::move(copies)};
}

int eCardCount(const ItemRarityCount& counts) {
    int sum = 0;
    for (int k = 0; k < ItemKindCount; ++k)
        sum += counts[static_cast<std::size_t>(k * RarityCount + RarityE)];
    return sum;
}

} // namespace

SingleDrawResult drawItemSingle(const Tables& tables, const ItemFilter& filter, const SingleCopies& copies,
                                RandomSource& random) {
    return singleDraw(itemCandidates(tables, filter), DrawEnd::DrawWarning, copies, random, itemFields);
}

MultipleDrawResult drawItemMultiple(const Tables& tables, const ItemFilter& filter,
                                    const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result;
    int k = resolveCount(count, ItemCountRange, random, result);
    result.count = k;
    if (onlyRarityE(filter.rarities) && k > eCardCount(CountItemRarities(tables))) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    listDraw(k, itemCandidates(tables, filter), random, result, numberedList<ItemRecord>);
    return result;
}

} // namespace tavu
