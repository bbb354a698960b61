#include "multiple_draw.h"

#include <algorithm>

namespace tavu {

int resolveCount(const MultipleCount& count, const CountRange& range, RandomSource& random,
                 MultipleDrawResult& result) {
    if (!count.random)
        return clampCount(count.value, range);
    int k = clampCount(random.Random(50), range);
    result.randomCount = k;
    return k;
}

std::vector<std::uint32_t> drawPositions(int count, std::size_t candidates, RandomSource& random) {
    std::vector<std::uint32_t> positions(static_cast<std::size_t>(std::max(count, 0)));
    for (auto& p : positions)
        p = random.Random(static_cast<std::uint32_t>(candidates));
    std::sort(positions.begin(), positions.end());
    return positions;
}

} // namespace tavu
