#include "card_draws.h"

#include "store/sjis_text.h"

#include <algorithm>
#include <array>
#include <span>

// Every text is Shift-JIS bytes, and every width and cut counts bytes.
namespace tavu {

namespace {

// Rarity texts are three bytes; comparing them inline keeps the scan free of library calls.
bool sameRarity(const std::string& field, std::string_view rarity) {
    return field.size() == 3 && field[0] == rarity[0] && field[1] == rarity[1] && field[2] == rarity[2];
}

// Records beyond what the file held are blank and match no rarity, so the stored prefix
// gives the same list as the table's full declared size.
template <class Record>
void appendGroup(CandidateList<Record>& list, const Table<Record>& table, const RarityTicks& rarities) {
    for (int r = 0; r < RarityCount; ++r) {
        if (!rarities[static_cast<std::size_t>(r)])
            continue;
        for (const Record& record : table.stored())
            if (sameRarity(record.rarity, Rarities[static_cast<std::size_t>(r)]))
                list.push_back(&record);
    }
}

template <class Record>
CandidateList<Record> collect(std::span<const Table<Record>> groups, std::span<const bool> ticked,
                              const RarityTicks& rarities) {
    CandidateList<Record> list;
    std::size_t stored = 0;
    for (const auto& table : groups)
        stored += table.stored().size();
    list.reserve(stored);
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (ticked[g])
            appendGroup(list, groups[g], rarities);
    return list;
}

// " " and the name, cut to 19 bytes. Built with append: GCC 12 at -O3 reports a false
// -Wrestrict for "literal" + string (GCC bug 105329).
std::string nameField(std::string_view name) {
    return std::string(" ").append(name.substr(0, 18));
}

std::string numberField(std::int32_t value) {
    return std::string("  ").append(std::to_string(value));
}

std::string sacrificeField(std::int32_t sacrifice) {
    static const std::string needed = sjis::fromUtf8OrThrow("  有り");
    static const std::string none = sjis::fromUtf8OrThrow("  無し");
    return sacrifice != 0 ? needed : none;
}

std::string kindField(std::int32_t kind) {
    static const std::array<std::string, ItemKindCount> texts = {
        sjis::fromUtf8OrThrow("  武器"), sjis::fromUtf8OrThrow("  防具"), sjis::fromUtf8OrThrow("  アイテム"),
        sjis::fromUtf8OrThrow("  巻物")};
    return kind >= 0 && kind < ItemKindCount ? texts[static_cast<std::size_t>(kind)] : std::string();
}

std::vector<std::string> creatureFields(const CreatureRecord& card, std::string copies) {
    return {
        nameField(card.name),    numberField(card.st),           numberField(card.hp), numberField(card.cost),
        numberField(card.chain), sacrificeField(card.sacrifice), card.rarity,          card.special,
        std::move(copies)};
}

std::vector<std::string> itemFields(const ItemRecord& card, std::string copies) {
    return {nameField(card.name),   numberField(card.stBonus), numberField(card.hpBonus),
            numberField(card.cost), kindField(card.kind),      card.rarity,
            card.special,           std::move(copies)};
}

std::vector<std::string> spellFields(const SpellRecord& card, std::string copies) {
    return {nameField(card.name), numberField(card.cost), card.rarity,      card.sacrifice, card.range,
            card.target,          card.duration,          std::move(copies)};
}

// The count of copies: "  1" for an E card; otherwise by the combo, index 0 drawing
// Random(4) + 1, 1..4 fixed; any other index keeps the previous text.
std::string copiesText(bool isECard, const SingleCopies& copies, RandomSource& random) {
    if (isECard)
        return "  1";
    if (copies.index == 0)
        return numberField(static_cast<std::int32_t>(random.Random(4)) + 1);
    if (copies.index >= 1 && copies.index <= 4)
        return numberField(copies.index);
    return copies.previousText;
}

template <class Record, class Fields>
SingleDrawResult singleDraw(const CandidateList<Record>& candidates, DrawEnd none, const SingleCopies& copies,
                            RandomSource& random, Fields fields) {
    std::uint32_t m = random.Random(static_cast<std::uint32_t>(candidates.size()));
    if (candidates.empty())
        return {none, {}};
    const Record& card = *candidates[m];
    std::string count = copiesText(card.rarity == Rarities[RarityE], copies, random);
    return {DrawEnd::Result, fields(card, std::move(count))};
}

// The number of cards k. With "指定無し" ticked: Random(50) put into the spin edit, whose
// clamp turns 0 into 1 (and 50 never comes up), kept in randomCount. Otherwise the spin
// edit's value, clamped as the spin edit would.
MultipleDrawResult countedDraw(const MultipleCount& count, const CountRange& range, RandomSource& random) {
    MultipleDrawResult result;
    if (count.random)
        result.randomCount = clampCount(random.Random(50), range);
    result.count = result.randomCount.value_or(clampCount(count.value, range));
    return result;
}

// Blank records beyond the files match no rarity, so only stored ones count.
template <class Groups>
int eCardCount(const Groups& groups) {
    int sum = 0;
    for (const auto& table : groups)
        for (const auto& card : table.stored())
            sum += card.rarity == Rarities[RarityE] ? 1 : 0;
    return sum;
}

// k calls Random(n), repetition allowed, sorted so that repeated cards stand together.
template <class Record, class List>
void listDraw(MultipleDrawResult& result, const CandidateList<Record>& candidates, RandomSource& random,
              List list) {
    std::vector<std::uint32_t> positions(static_cast<std::size_t>(std::max(result.count, 0)));
    for (auto& p : positions)
        p = random.Random(static_cast<std::uint32_t>(candidates.size()));
    std::ranges::sort(positions);
    if (candidates.empty())
        result.end = DrawEnd::DrawWarning;
    else
        result.lines = list(candidates, positions);
}

// The element kanji (bytes 3 and 4 of the element field), a full-width blank and the
// name, at most 24 bytes.
std::vector<std::string> creatureLines(const CandidateList<CreatureRecord>& candidates,
                                       const std::vector<std::uint32_t>& positions) {
    constexpr std::size_t MaxBytes = 24;
    std::vector<std::string> lines;
    lines.reserve(positions.size());
    for (std::uint32_t p : positions) {
        const CreatureRecord& card = *candidates[p];
        std::string& line = lines.emplace_back();
        line.reserve(MaxBytes);
        if (card.element.size() > 2)
            line.append(card.element, 2, 2);
        line.append("\x81\x40").append(card.name);
        if (line.size() > MaxBytes)
            line.resize(MaxBytes);
    }
    return lines;
}

// The item and spell lists put an empty line after the 10th, 20th, 30th and 40th line.
template <class Record>
std::vector<std::string> numberedList(const CandidateList<Record>& candidates,
                                      const std::vector<std::uint32_t>& positions) {
    std::vector<std::string> lines;
    lines.reserve(positions.size() + positions.size() / 10);
    int number = 0;
    for (std::uint32_t p : positions) {
        lines.push_back(numberedLine(++number, candidates[p]->name));
        if (number % 10 == 0 && number <= 40)
            lines.emplace_back();
    }
    return lines;
}

} // namespace

CandidateList<CreatureRecord> creatureCandidates(const Tables& tables, const CreatureFilter& filter) {
    return collect<CreatureRecord>(tables.creatures, filter.elements, filter.rarities);
}

CandidateList<ItemRecord> itemCandidates(const Tables& tables, const ItemFilter& filter) {
    return collect<ItemRecord>(tables.itemKinds, filter.kinds, filter.rarities);
}

CandidateList<SpellRecord> spellCandidates(const Tables& tables, const RarityTicks& rarities) {
    return collect<SpellRecord>({&tables.spells, 1}, std::array{true}, rarities);
}

SingleDrawResult drawCreatureSingle(const Tables& tables, const CreatureFilter& filter,
                                    const SingleCopies& copies, RandomSource& random) {
    return singleDraw(creatureCandidates(tables, filter), DrawEnd::DrawWarning, copies, random,
                      creatureFields);
}

MultipleDrawResult drawCreatureMultiple(const Tables& tables, const CreatureFilter& filter,
                                        const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result = countedDraw(count, CreatureCountRange, random);
    if (onlyRarityE(filter.rarities) && result.count > eCardCount(tables.creatures))
        result.end = DrawEnd::DrawWarning;
    else
        listDraw(result, creatureCandidates(tables, filter), random, creatureLines);
    return result;
}

SingleDrawResult drawItemSingle(const Tables& tables, const ItemFilter& filter, const SingleCopies& copies,
                                RandomSource& random) {
    return singleDraw(itemCandidates(tables, filter), DrawEnd::DrawWarning, copies, random, itemFields);
}

MultipleDrawResult drawItemMultiple(const Tables& tables, const ItemFilter& filter,
                                    const MultipleCount& count, RandomSource& random) {
    MultipleDrawResult result = countedDraw(count, ItemCountRange, random);
    if (onlyRarityE(filter.rarities) && result.count > eCardCount(tables.itemKinds))
        result.end = DrawEnd::DrawWarning;
    else
        listDraw(result, itemCandidates(tables, filter), random, numberedList<ItemRecord>);
    return result;
}

SingleDrawResult drawSpellSingle(const Tables& tables, const RarityTicks& rarities,
                                 const SingleCopies& copies, RandomSource& random) {
    return singleDraw(spellCandidates(tables, rarities), DrawEnd::NoMatchingCard, copies, random,
                      spellFields);
}

// With no spell of a ticked rarity there is nothing to list: the draw is refused like the
// creature and item draws rather than read past an empty list.
MultipleDrawResult drawSpellMultiple(const Tables& tables, const RarityTicks& rarities,
                                     const MultipleCount& count, RandomSource& random) {
    if (onlyRarityE(rarities) &&
        clampCount(count.value, SpellCountRange) > eCardCount(std::span(&tables.spells, 1)))
        return {DrawEnd::DrawWarning, std::nullopt, 0, {}};
    MultipleDrawResult result = countedDraw(count, SpellCountRange, random);
    listDraw(result, spellCandidates(tables, rarities), random, numberedList<SpellRecord>);
    return result;
}

std::string numberedLine(int number, std::string_view name) {
    return std::to_string(number).append(number < 10 ? "  " : " ").append(name);
}

} // namespace tavu
