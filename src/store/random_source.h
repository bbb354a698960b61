#pragma once

#include <cstdint>

namespace tavu {

// The 32-bit linear congruential generator every draw takes its choices from. Draws are
// handed a RandomSource so tests can seed it; the program itself uses the one process-wide
// instance, processRandom(). Not thread-safe: used from one thread only.
class RandomSource {
public:
    std::uint32_t seed() const { return seed_; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }

    // Seeds from the milliseconds since UTC midnight (0 to 86 399 999).
    void Randomize();

    // Advances the state once; returns floor(seed * n / 2^32), so 0 .. n-1 for n > 0.
    std::uint32_t Random(std::uint32_t n);

    // The seed Randomize takes at that UTC time of day.
    static std::uint32_t seedFromTimeOfDay(int hour, int minute, int second, int millisecond);

private:
    std::uint32_t seed_ = 0;
};

RandomSource& processRandom();

} // namespace tavu
