#pragma once

#include "candidate_list.h"
#include "draw_filter.h"
#include "draw_result.h"
#include "draw_texts.h"
#include "store/random_source.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Steps shared by the card draws of the three families.
namespace tavu {

// The number of cards k. With "指定無し" ticked: Random(50) put into the spin edit, whose
// clamp turns 0 into 1 (and 50 never comes up); the value is kept in result.randomCount.
// Otherwise the spin edit's value, clamped as the spin edit would.
int resolveCount(const MultipleCount& count, const CountRange& range, RandomSource& random,
                 MultipleDrawResult& result);

// k calls Random(n), repetition allowed, sorted ascending so that the list follows the
// candidate order and repeated cards stand together. With n = 0 the calls are still made.
std::vector<std::uint32_t> drawPositions(int count, std::size_t candidates, RandomSource& random);

// A single draw: Random(n) over the candidates, made even when there are none (which ends the
// draw with `none`), then the copies text; `fields` makes the result fields of the card.
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

// The end of a multiple draw: k positions, drawn even when there is no candidate (which then
// refuses the draw), listed by `list`.
template <class Record, class List>
void listDraw(int k, const CandidateList<Record>& candidates, RandomSource& random,
              MultipleDrawResult& result, List list) {
    auto positions = drawPositions(k, candidates.size(), random);
    if (candidates.empty())
        result.end = DrawEnd::DrawWarning;
    else
        result.lines = list(candidates, positions);
}

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
