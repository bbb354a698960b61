#include "candidate_list.h"

namespace tavu {

namespace {

// Records beyond what the file held are blank and match no rarity, so the stored prefix
// gives the same list as the table's full declared size.
template <class Record>
void appendGroup(CandidateList<Record>& list, const Table<Record>& table, const RarityTicks& rarities) {
    for (int r = 0; r < RarityCount; ++r) {
        if (!rarities[static_cast<std::size_t>(r)])
            continue;
        for (const Record& record : table.stored())
            if (record.rarity == Rarities[static_cast<std::size_t>(r)])
                list.push_back(&record);
    }
}

template <class Record, std::size_t N>
CandidateList<Record> collect(const std::array<Table<Record>, N>& groups, const std::array<bool, N>& ticked,
                              const RarityTicks& rarities) {
    CandidateList<Record> list;
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
    appendGroup(list, tables.spells, rarities);
    return list;
}

} // namespace tavu
