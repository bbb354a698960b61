#include "spell_draws.h"

#include "candidate_list.h"
#include "draw_texts.h"
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
    auto candidates = spellCandidates(tables, rarities);
    std::uint32_t m = random.Random(static_cast<std::uint32_t>(candidates.size()));
    if (candidates.empty())
        return {DrawEnd::NoMatchingCard, {}};
    const SpellRecord& card = *candidates[m];
    std::string count = copiesText(card.rarity == Rarities[RarityE], copies, random);
    return {DrawEnd::Result, spellFields(card, std::move(count))};
}

MultipleDrawResult drawSpellMultiple(const Tables& tables, const RarityTicks& rarities,
                                     const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result;
    if (onlyRarityE(rarities) && clampCount(count.value, SpellCountRange) > eSpellCount(tables)) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    int k = resolveCount(count, SpellCountRange, random, result);
    result.count = k;
    auto candidates = spellCandidates(tables, rarities);
    auto positions = drawPositions(k, candidates.size(), random);
    // With no spell of a ticked rarity there is nothing to list; refuse the draw like the
    // creature and item pages rather than read past an empty list.
    if (candidates.empty()) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    result.lines = numberedList(candidates, positions);
    return result;
}

} // namespace tavu
