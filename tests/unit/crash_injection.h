#pragma once

#include <functional>

namespace tavu::test {

// Runs `work` in a child process that is killed with SIGKILL at its `point`-th file fault
// point (1-based). Returns true when the child died there, false when `work` finished
// first (there are fewer points than `point`).
bool runKilledAtFaultPoint(int point, const std::function<void()>& work);

// Kills `work` at every one of its fault points in turn; after each kill runs `check`,
// then `reset` before the next run. Returns the number of crash points injected.
int injectCrashAtEveryPoint(const std::function<void()>& reset, const std::function<void()>& work,
                            const std::function<void()>& check);

} // namespace tavu::test
