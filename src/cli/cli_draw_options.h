#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tavu::cli {

// The element boxes as options name them, in the pages' order.
inline const std::vector<std::string> ElementOptionNames{"none", "fire", "water", "earth", "wind"};

// The boxes an option names, in the page's order (`names`): every box is ticked when the
// option was not given.
template <std::size_t N>
std::array<bool, N> ticksOf(const std::vector<std::string>& chosen, bool given,
                            const std::vector<std::string>& names) {
    std::array<bool, N> ticks{};
    ticks.fill(!given);
    for (const auto& c : chosen)
        ticks[static_cast<std::size_t>(std::find(names.begin(), names.end(), c) - names.begin())] = true;
    return ticks;
}

} // namespace tavu::cli
