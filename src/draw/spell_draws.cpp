#include "spell_draws.h"

#include "multiple_draw.h"

#include <algorithm>

namespace tavu {

namespace {

std::vector<std::string> spellFields(const SpellRecord& card, std::string copies) {
    return {nameField(card.name), numberField(card.cost), card.rarity,      card.sacrifice, card.range,
            card.target,          card.duration,          std::move(copies)};
}

int eSpellCount(const Tables& tables) {
    const auto& spells = tables.spells.stored();
    return static_cast<int>(std::count_if(
        spells.begin(), spells.end(), [](const SpellRecord& s) { return s.rarity == Rarities[RarityE]; }));
}

} // namespace

SingleDrawResult drawSpellSingle(const Tables& tables, const RarityTicks& rarities,
                                 const SingleCopies& copies, RandomSource& random) {
    return singleDraw(spellCandidates(tables, rarities), DrawEnd::NoMatchingCard, copies, random,
                      spellFields);
}

// With no spell of a ticked rarity there is nothing to list: the draw is refused like the
// creature and item draws rather than read past an empty list.
MultipleDrawResult drawSpellMultiple(const Tables& tables, const RarityTicks& rarities,
                                     const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result;
    if (onlyRarityE(rarities) && clampCount(count.value, SpellCountRange) > eSpellCount(tables)) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    int k = resolveCount(count, SpellCountRange, random, result);
    result.count = k;
    listDraw(k, spellCandidates(tables, rarities), random, result, numberedList<SpellRecord>);
    return result;
}

} // namespace tavu
