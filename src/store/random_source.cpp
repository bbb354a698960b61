#include "random_source.h"

#include <chrono>

namespace tavu {

void RandomSource::Randomize() {
    using namespace std::chrono;
    auto now = system_clock::now();
    seed_ = static_cast<std::uint32_t>(duration_cast<milliseconds>(now - floor<days>(now)).count());
}

std::uint32_t RandomSource::Random(std::uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}

std::uint32_t RandomSource::seedFromTimeOfDay(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

RandomSource& processRandom() {
    static RandomSource source;
    return source;
}

} // namespace tavu
