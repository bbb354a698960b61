#include "crash_injection.h"

#include "store/file_io.h"

#include <csignal>
#include <iostream>
#include <sys/wait.h>
#include <unistd.h>

namespace tavu::test {

namespace {
int killAt = 0;
int reached = 0;

void killAtPoint(const char*) {
    if (killAt > 0 && ++reached == killAt)
        ::raise(SIGKILL);
}
} // namespace

void faultPoint() {
    killAtPoint("test");
}

void reportCrashFigures(const char* what, int points, int lost) {
    std::cout << "[reliability] " << what << ": crash points " << points << ", lost " << lost << "\n";
}

bool runKilledAtFaultPoint(int point, const std::function<void()>& work) {
    pid_t pid = ::fork();
    if (pid == 0) {
        killAt = point;
        reached = 0;
        setFileFaultHook(killAtPoint);
        try {
            work();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int injectCrashAtEveryPoint(const std::function<void()>& reset, const std::function<void()>& work,
                            const std::function<void()>& check) {
    int points = 0;
    for (int point = 1; point < 100000; ++point) {
        reset();
        bool killed = runKilledAtFaultPoint(point, work);
        check();
        if (!killed)
            break;
        ++points;
    }
    return points;
}

} // namespace tavu::test
