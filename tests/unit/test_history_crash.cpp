#include "history_crash_fixture.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavu {

using test::TempDir;
namespace fs = std::filesystem;

namespace {

int killsAsked() {
    const char* asked = std::getenv("TAVU_HISTORY_KILLS");
    return asked ? std::atoi(asked) : 50;
}

} // namespace

// SIGKILL at random moments while draws are recorded: opening, inserting, committing,
// checkpointing and closing. After each kill the file must be sound and hold every draw
// whose record() returned. A new file every 25 kills keeps the checks quick and kills the
// first writer of a file too. TAVU_HISTORY_KILLS sets the number of kills (50 here);
// scripts/history_crash.sh does the same with a writer program of its own.
TEST(HistoryCrash, EveryDrawRecordedBeforeASigkillIsThereAfterIt) {
    TempDir dir;
    std::mt19937 random(1812);
    int kills = 0, childFaults = 0, lost = 0, torn = 0, unsound = 0;
    fs::path file;
    std::set<std::int64_t> confirmed;
    std::size_t allConfirmed = 0;
    for (; kills < killsAsked(); ++kills) {
        if (kills % 25 == 0) {
            file = dir / ("history-" + std::to_string(kills) + ".sqlite3");
            allConfirmed += confirmed.size();
            confirmed.clear();
        }
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            test::recordUntilKilled(file, fds[1], static_cast<unsigned>(random()));
        }
        ::close(fds[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        childFaults += !(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        confirmed.merge(test::readIds(fds[0]));
        ::close(fds[0]);
        test::AfterKill after = test::checkAfterKill(file, confirmed);
        unsound += !after.sound;
        lost += after.lost;
        torn += after.torn;
    }
    allConfirmed += confirmed.size();
    EXPECT_EQ(childFaults, 0);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(unsound, 0);
    EXPECT_TRUE(test::filesNamedWith(dir.path(), ".sqlite3.").empty()) << "nothing was set aside";
    EXPECT_GT(allConfirmed, static_cast<std::size_t>(kills))
        << "the kills landed while draws were being recorded";
}

} // namespace tavu
