#include "draw_filter.h"

#include <algorithm>
#include <functional>

namespace tavu {

namespace {
bool anyTicked(const auto& ticks) {
    return std::ranges::any_of(ticks, std::identity{});
}
} // namespace

bool onlyRarityE(const RarityTicks& rarities) {
    return !rarities[RarityN] && !rarities[RarityS] && !rarities[RarityR] && rarities[RarityE];
}

bool okButtonEnabled(const CreatureFilter& filter) {
    return anyTicked(filter.elements) && anyTicked(filter.rarities);
}

bool okButtonEnabled(const ItemFilter& filter) {
    if (!anyTicked(filter.kinds) || !anyTicked(filter.rarities))
        return false;
    const auto& k = filter.kinds;
    bool armourOrScrollsOnly = !k[0] && !k[2] && (k[1] || k[3]);
    return !(onlyRarityE(filter.rarities) && armourOrScrollsOnly);
}

bool okButtonEnabled(const RarityTicks& spellRarities) {
    return anyTicked(spellRarities);
}

int clampCount(std::int64_t value, const CountRange& range) {
    return static_cast<int>(std::clamp<std::int64_t>(value, range.min, range.max));
}

} // namespace tavu
