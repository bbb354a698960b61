#pragma once

#include <functional>

namespace tavu::test {

// Runs `work` in a child process that is killed with SIGKILL at its `point`-th file fault
// point (1-based). Returns true when the child died there, false when `work` finished
// first (there are fewer points than `point`).
bool runKilledAtFaultPoint(int point, const std::function<void()>& work);

// A fault point of the test's own (around a step the file layer does not see, such as a
// folder rename); counts like the file layer's points inside runKilledAtFaultPoint.
void faultPoint();

// Kills `work` at every one of its fault points in turn; after each kill runs `check`,
// then `reset` before the next run. Returns the number of crash points injected.
int injectCrashAtEveryPoint(const std::function<void()>& reset, const std::function<void()>& work,
                            const std::function<void()>& check);

// One line the reliability script collects: "[reliability] what: crash points N, lost M".
void reportCrashFigures(const char* what, int points, int lost);

} // namespace tavu::test
