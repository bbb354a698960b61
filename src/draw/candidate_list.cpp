#include "candidate_list.h"

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

template <class Record, std::size_t N>
CandidateList<Record> collect(const std::array<Table<Record>, N>& groups, const std::array<bool, N>& ticked,
                              const RarityTicks& rarities) {
    CandidateList<Record> list;
    std::size_t stored = 0;
    for (const auto& table : groups)
        stored += table.stored().size();
    list.reserve(stored);
    for (std::size_t g = 0; g < N; ++g)
        if (ticked[g])
            appendGroup(list, groups[g], rarities);
    return list;
}

} // namespace

CandidateList<CreatureRecord> creatureCandidates(const Tables& tables, const CreatureFilter& filter) {
    return collect(tables.creatures, filter.elements, filter.rarities);
}

CandidateList<ItemRecord> itemCandidates(const Tables& tables, const ItemFilter& filter) {
    return collect(tables.itemKinds, filter.kinds, filter.rarities);
}

CandidateList<SpellRecord> spellCandidates(const Tables& tables, const RarityTicks& rarities) {
    CandidateList<SpellRecord> list;
    list.reserve(tables.spells.stored().size());
    appendGroup(list, tables.spells, rarities);
    return list;
}

} // namespace tavu
