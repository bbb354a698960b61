#pragma once

#include <cstdint>
#include <filesystem>
#include <set>

namespace tavu::test {

// Records bursts of draws into `file`, as a window or tavu-cli --record would, each burst
// from a history opened for it and closed after (closing checkpoints the log), writing every
// id that record() returned to `fd` as a decimal line, until killed. Exits 3 at the first
// draw not recorded or told about.
[[noreturn]] void recordUntilKilled(const std::filesystem::path& file, int fd, unsigned seed);

// Every id a killed writer wrote to `fd` (whole lines only).
std::set<std::int64_t> readIds(int fd);

// What a file holds after a kill, against the ids its writers were given.
struct AfterKill {
    bool sound = true;
    int lost = 0;
    // Rows that hold fewer or more lines than their draw had.
    int torn = 0;
};
AfterKill checkAfterKill(const std::filesystem::path& file, const std::set<std::int64_t>& confirmed);

} // namespace tavu::test
