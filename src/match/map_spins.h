#pragma once

#include <array>

// The battle map's six spin edits (SESet1..SESet6): target magic, period and time limit,
// each a minimum and a maximum, and the rule that keeps each minimum below its maximum.
namespace tavu::map {

enum Spin : int { MagicMin, MagicMax, PeriodMin, PeriodMax, TimeMin, TimeMax };
inline constexpr int SpinCount = 6;
using MapSpins = std::array<int, SpinCount>;

struct SpinLimits {
    int lowest;
    int highest;
    int step;
    int initial;
    int clamp(int value) const { return value < lowest ? lowest : value > highest ? highest : value; }
};
// The bounds the controls enforce. The hints of SESet2 and SESet5 say 6000 and 90; the
// controls have always allowed 5000 and stopped at 85, and saved settings rely on that.
inline constexpr std::array<SpinLimits, SpinCount> SpinTable = {{
    {5000, 89000, 1000, 6000},
    {5000, 90000, 1000, 9000},
    {30, 90, 5, 50},
    {35, 95, 5, 90},
    {10, 85, 5, 30},
    {15, 90, 5, 60},
}};
MapSpins initialSpins();

// Puts `value` into spin `which` (clamped to its range) and runs the pair's change handler:
// a minimum a whole step or more above its maximum becomes the maximum less one step.
MapSpins setSpin(MapSpins spins, Spin which, int value);

// Start-up order: each minimum before its maximum, so a saved magic range 20000-30000 comes
// back as 8000-30000 (the minimum meets the initial maximum 9000 first).
MapSpins restoreSpins(const MapSpins& stored);

// A range typed in one go (command line): the maximum first, as the minimum's hint asks,
// so any range inside the controls' bounds comes through unchanged.
MapSpins setRange(MapSpins spins, Spin minimum, int low, int high);

} // namespace tavu::map
