#include "map_spins.h"

namespace tavu::map {

MapSpins initialSpins() {
    MapSpins spins{};
    for (int i = 0; i < SpinCount; ++i)
        spins[i] = SpinTable[i].initial;
    return spins;
}

MapSpins setSpin(MapSpins spins, Spin which, int value) {
    spins[which] = SpinTable[which].clamp(value);
    const int minimum = which - which % 2;
    const SpinLimits& limits = SpinTable[minimum];
    if (spins[minimum] >= spins[minimum + 1] + limits.step)
        spins[minimum] = limits.clamp(spins[minimum + 1] - limits.step);
    return spins;
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
