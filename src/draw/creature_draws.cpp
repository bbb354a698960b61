#include "creature_draws.h"

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
    return singleDraw(creatureCandidates(tables, filter), DrawEnd::DrawWarning, copies, random,
                      creatureFields);
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
    listDraw(k, creatureCandidates(tables, filter), random, result,
             [](const auto& candidates, const auto& positions) {
                 std::vector<std::string> lines;
                 lines.reserve(positions.size());
                 for (std::uint32_t p : positions)
                     lines.push_back(creatureLine(*candidates[p]));
                 return lines;
             });
    return result;
}

} // namespace tavu
