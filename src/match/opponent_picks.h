#pragma once

#include "store/random_source.h"
#include "store/tables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavu::cpu {

// VS_CB1..VS_CB5: 無, 火, 水, 地, 風.
using ElementBoxes = std::array<bool, ElementCount>;

// A record qualifies when a ticked element's flag is exactly 1.
bool qualifies(const OpponentRecord& opponent, const ElementBoxes& elements);

struct OpponentPicks {
    std::vector<std::int32_t> picks; // table indices, all different
    std::string message;             // why there are none, UTF-8 Japanese
};

// `count` distinct qualifying records, each by repeating Random(OpponentCount) until a new
// qualifying index comes up. The loops only end when enough such records exist, so that
// is checked first and nothing is drawn otherwise.
OpponentPicks pickOpponents(const Table<OpponentRecord>& opponents, const ElementBoxes& elements, int count,
                            RandomSource& random);

} // namespace tavu::cpu
