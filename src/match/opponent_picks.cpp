#include "opponent_picks.h"

#include <algorithm>

namespace tavu::cpu {

bool qualifies(const OpponentRecord& opponent, const ElementBoxes& elements) {
    for (std::size_t e = 0; e < elements.size(); ++e)
        if (elements[e] && opponent.usesElement[e] == 1)
            return true;
    return false;
}

namespace {
// Blank records beyond the file use no element, so only stored records can qualify.
int countQualifying(const Table<OpponentRecord>& opponents, const ElementBoxes& elements) {
    return static_cast<int>(
        std::count_if(opponents.stored().begin(), opponents.stored().end(),
                      [&](const auto& opponent) { return qualifies(opponent, elements); }));
}

std::int32_t drawNew(const Table<OpponentRecord>& opponents, const ElementBoxes& elements,
                     const std::vector<std::int32_t>& taken, RandomSource& random) {
    for (;;) {
        auto i = static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(opponents.size())));
        if (std::find(taken.begin(), taken.end(), i) == taken.end() && qualifies(opponents[i], elements))
            return i;
    }
}
} // namespace

OpponentPicks pickOpponents(const Table<OpponentRecord>& opponents, const ElementBoxes& elements, int count,
                            RandomSource& random) {
    if (opponents.size() == 0)
        return {{}, "対戦相手のデータがありません。データファイル (RM_VS.tri) を確認して下さい。"};
    int available = countQualifying(opponents, elements);
    if (available < count)
        return {{},
                "ブック傾向に合う対戦相手が " + std::to_string(available) + " 人しかいないため、" +
                    std::to_string(count) +
                    " 人を選べません。属性のチェックを増やすか、CPU の人数を減らして下さい。"};
    OpponentPicks result;
    while (static_cast<int>(result.picks.size()) < count)
        result.picks.push_back(drawNew(opponents, elements, result.picks, random));
    return result;
}

} // namespace tavu::cpu
