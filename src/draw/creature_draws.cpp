#include "creature_draws.h"

#include "candidate_list.h"
#include "draw_texts.h"
#include "multiple_draw.h"
#include "store/derived_counts.h"
#include "store/sjis_text.h"

namespace tavu {

namespace {

std::string sacrificeField(std::int32_t sacrifice) {
    static const std::string needed = sjis::fromUtf8OrThrow("  有り");
    static const std::string none = sjis::fromUtf8OrThrow("  無し");
    return sacrifice != 0 ? needed : none;
}

std::vector<std::string> creatureFields(const CreatureRecord& card, std::string copies) {
    return {
        nameField(card.name),    numberField(card.st),           numberField(card.hp), numberField(card.cost),
        numberField(card.chain), sacrificeField(card.sacrifice), card.rarity,          card.special,
        std::move(copies)};
}

// The element kanji (bytes 3 and 4 of the element field), a full-width blank and the
// name, at most 24 bytes.
std::string creatureLine(const CreatureRecord& card) {
    constexpr std::size_t MaxBytes = 24;
    std::string line;
    line.reserve(MaxBytes);
    if (card.element.size() > 2)
        line.append(card.element, 2, 2);
    line.append(FullWidthBlank).append(card.name);
    if (line.size() > MaxBytes)
        line.resize(MaxBytes);
    return line;
}

int eCardCount(const CreatureRarityCount& counts) {
    int sum = 0;
    for (int e = 0; e < ElementCount; ++e)
        sum += counts[static_cast<std::size_t>(e * RarityCount + RarityE)];
    return sum;
}

} // namespace

SingleDrawResult drawCreatureSingle(const Tables& tables, const CreatureFilter& filter,
                                    const SingleCopies& copies, RandomSource& random) {
    auto candidates = creatureCandidates(tables, filter);
    std::uint32_t m = random.Random(static_cast<std::uint32_t>(candidates.size()));
    if (candidates.empty())
        return {DrawEnd::DrawWarning, {}};
    const CreatureRecord& card = *candidates[m];
    std::string count = copiesText(card.rarity == Rarities[RarityE], copies, random);
    return {DrawEnd::Result, creatureFields(card, std::move(count))};
}

MultipleDrawResult drawCreatureMultiple(const Tables& tables, const CreatureFilter& filter,
                                        const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result;
    int k = resolveCount(count, CreatureCountRange, random, result);
    result.count = k;
    if (onlyRarityE(filter.rarities) && eCardCount(CountCreatureRarities(tables)) < k) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    auto candidates = creatureCandidates(tables, filter);
    auto positions = drawPositions(k, candidates.size(), random);
    if (candidates.empty()) {
        result.end = DrawEnd::DrawWarning;
        return result;
    }
    result.lines.reserve(positions.size());
    for (std::uint32_t p : positions)
        result.lines.push_back(creatureLine(*candidates[p]));
    return result;
}

} // namespace tavu
