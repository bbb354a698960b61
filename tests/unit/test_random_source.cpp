#include "store/random_source.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tavu {

TEST(RandomSource, KnownSequenceFromZero) {
    RandomSource rnd;
    EXPECT_EQ(rnd.Random(100), 0u);
    EXPECT_EQ(rnd.seed(), 1u);
    EXPECT_EQ(rnd.Random(100), 3u);
    EXPECT_EQ(rnd.seed(), 134775814u);
    EXPECT_EQ(rnd.Random(100), 86u);
    EXPECT_EQ(rnd.seed(), 3698175007u);
    EXPECT_EQ(rnd.Random(4), 0u);
    EXPECT_EQ(rnd.seed(), 870078620u);
}

TEST(RandomSource, SeedFromClockTimeAndFollowingDraws) {
    EXPECT_EQ(RandomSource::seedFromTimeOfDay(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(RandomSource::seedFromTimeOfDay(23, 59, 59, 999), 86399999u);
    RandomSource rnd;
    rnd.setSeed(45296789);
    EXPECT_EQ(rnd.Random(50), 24u);
    EXPECT_EQ(rnd.Random(50), 13u);
    EXPECT_EQ(rnd.Random(3), 1u);
}

TEST(RandomSource, EveryCallAdvancesEvenForZeroAndOne) {
    RandomSource a;
    RandomSource b;
    EXPECT_EQ(a.Random(0), 0u);
    EXPECT_EQ(a.Random(1), 0u);
    b.Random(7);
    b.Random(7);
    EXPECT_EQ(a.seed(), b.seed());
}

namespace {

std::uint32_t millisecondsSinceUtcMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(now - floor<days>(now)).count());
}

// The local time of a zone well away from UTC, for the life of the object.
class ZoneAwayFromUtc {
public:
    ZoneAwayFromUtc() {
        if (const char* zone = std::getenv("TZ"))
            previous_ = zone;
        setenv("TZ", "JST-9", 1);
        tzset();
    }
    ~ZoneAwayFromUtc() {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> previous_;
};

} // namespace

// The seed is the UTC time of day when Randomize ran, in milliseconds, whatever the local
// zone: neither left as it was, nor taken from the local clock.
TEST(RandomSource, RandomizeTakesTheUtcTimeOfDay) {
    ZoneAwayFromUtc zone;
    RandomSource rnd;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::uint32_t before = millisecondsSinceUtcMidnight();
        rnd.Randomize();
        const std::uint32_t after = millisecondsSinceUtcMidnight();
        if (after < before)
            continue; // midnight came in between
        EXPECT_GE(rnd.seed(), before);
        EXPECT_LE(rnd.seed(), after);
        return;
    }
    FAIL() << "midnight three times in a row";
}

} // namespace tavu
