#pragma once

#include "draw_filter.h"
#include "draw_result.h"
#include "store/random_source.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Steps shared by the three multiple draws.
namespace tavu {

// The number of cards k. With "指定無し" ticked: Random(50) put into the spin edit, whose
// clamp turns 0 into 1 (and 50 never comes up); the value is kept in result.randomCount.
// Otherwise the spin edit's value, clamped as the spin edit would.
int resolveCount(const MultipleCount& count, const CountRange& range, RandomSource& random,
                 MultipleDrawResult& result);

// k calls Random(n), repetition allowed, sorted ascending so that the list follows the
// candidate order and repeated cards stand together. With n = 0 the calls are still made.
std::vector<std::uint32_t> drawPositions(int count, std::size_t candidates, RandomSource& random);

// The numbered list of the item and spell draws with its empty separator lines.
template <class Record>
std::vector<std::string> numberedList(const std::vector<const Record*>& candidates,
                                      const std::vector<std::uint32_t>& positions);

} // namespace tavu

#include "draw_texts.h"

namespace tavu {

template <class Record>
std::vector<std::string> numberedList(const std::vector<const Record*>& candidates,
                                      const std::vector<std::uint32_t>& positions) {
    std::vector<std::string> lines;
    lines.reserve(positions.size() + positions.size() / 10);
    int number = 0;
    for (std::uint32_t p : positions) {
        lines.push_back(numberedLine(++number, candidates[p]->name));
        if (emptyLineAfter(number))
            lines.emplace_back();
    }
    return lines;
}

} // namespace tavu
