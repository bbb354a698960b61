#include "map_spins.h"

namespace tavu::map {

namespace {
MapSpins keepMinimumBelow(MapSpins spins, int minimum) {
    int maximum = minimum + 1;
    int step = SpinTable[static_cast<std::size_t>(minimum)].step;
    auto& low = spins[static_cast<std::size_t>(minimum)];
    int high = spins[static_cast<std::size_t>(maximum)];
    if (low >= high + step)
        low = SpinTable[static_cast<std::size_t>(minimum)].clamp(high - step);
    return spins;
}
} // namespace

MapSpins initialSpins() {
    MapSpins spins{};
    for (int i = 0; i < SpinCount; ++i)
        spins[static_cast<std::size_t>(i)] = SpinTable[static_cast<std::size_t>(i)].initial;
    return spins;
}

MapSpins setSpin(MapSpins spins, Spin which, int value) {
    spins[which] = SpinTable[which].clamp(value);
    return keepMinimumBelow(spins, which - which % 2);
}

MapSpins restoreSpins(const MapSpins& stored) {
    MapSpins spins = initialSpins();
    for (int i = 0; i < SpinCount; ++i)
        spins = setSpin(spins, static_cast<Spin>(i), stored[static_cast<std::size_t>(i)]);
    return spins;
}

MapSpins setRange(MapSpins spins, Spin minimum, int low, int high) {
    spins = setSpin(spins, static_cast<Spin>(minimum + 1), high);
    return setSpin(spins, minimum, low);
}

} // namespace tavu::map
