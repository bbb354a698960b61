#include "history/history.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavu {

using history::History;
using test::queryColumn;
using test::TempDir;
namespace fs = std::filesystem;

namespace {

// Records bursts of draws, as a window or tavu-cli --record would, each burst from a history
// opened for it and closed after (closing checkpoints the log), reporting every id that
// record() returned through `fd` until killed. Exits 3 at the first draw not recorded or told.
[[noreturn]] void recordUntilKilled(const fs::path& file, int fd, unsigned seed) {
    std::mt19937 random(seed);
    for (int number = 0;;) {
        History history(file);
        for (int burst = 1 + static_cast<int>(random() % 40); burst > 0; --burst, ++number) {
            auto id = history.record(test::sampleDraw("book", number, 1 + static_cast<int>(random() % 50)));
            if (!id || history.takeNotice() || ::write(fd, &*id, sizeof *id) != sizeof *id)
                ::_exit(3);
        }
    }
}

std::vector<std::int64_t> readIds(int fd) {
    std::vector<std::int64_t> ids;
    std::int64_t id = 0;
    while (::read(fd, &id, sizeof id) == sizeof id)
        ids.push_back(id);
    return ids;
}

struct Figures {
    int kills = 0;
    int confirmed = 0;
    int lost = 0;
    int torn = 0;
    int unsound = 0;
    int childFaults = 0;
};

// Every row holds as many lines as its code says it was given (sampleDraw's code ends in it).
int tornRows(const fs::path& file) {
    auto rows =
        queryColumn(file, "SELECT code || ':' || (length(lines) - length(replace(lines, char(10), '')))"
                          " FROM draws");
    int torn = 0;
    for (const auto& row : rows) {
        auto colon = row.find(':');
        std::string code = row.substr(0, colon);
        torn += code.substr(code.rfind('-') + 1) != row.substr(colon + 1);
    }
    return torn;
}

void checkAfterKill(const fs::path& file, const std::set<std::int64_t>& confirmed, Figures& figures) {
    if (queryColumn(file, "PRAGMA integrity_check") != std::vector<std::string>{"ok"})
        ++figures.unsound;
    // Killed while the first writer was making the file: nothing was recorded in it yet.
    if (queryColumn(file, "SELECT name FROM sqlite_schema WHERE name = 'draws'").empty()) {
        figures.lost += static_cast<int>(confirmed.size());
        return;
    }
    auto present = queryColumn(file, "SELECT id FROM draws");
    std::set<std::string> ids(present.begin(), present.end());
    for (std::int64_t id : confirmed)
        figures.lost += !ids.contains(std::to_string(id));
    figures.torn += tornRows(file);
}

int killsAsked() {
    const char* asked = std::getenv("TAVU_HISTORY_KILLS");
    return asked ? std::atoi(asked) : 50;
}

} // namespace

// SIGKILL at random moments while draws are recorded: opening, inserting, committing,
// checkpointing and closing. After each kill the file must be sound and hold every draw
// whose record() returned. A new file every 25 kills keeps the checks quick and kills the
// first writer of a file too. TAVU_HISTORY_KILLS sets the number of kills (50 here).
TEST(HistoryCrash, EveryDrawRecordedBeforeASigkillIsThereAfterIt) {
    TempDir dir;
    std::mt19937 random(1812);
    Figures figures;
    fs::path file;
    std::set<std::int64_t> confirmed;
    for (int kill = 0; kill < killsAsked(); ++kill) {
        if (kill % 25 == 0) {
            file = dir / ("history-" + std::to_string(kill) + ".sqlite3");
            confirmed.clear();
        }
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            recordUntilKilled(file, fds[1], static_cast<unsigned>(random()));
        }
        ::close(fds[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        figures.childFaults += !(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        for (std::int64_t id : readIds(fds[0]))
            figures.confirmed += confirmed.insert(id).second;
        ::close(fds[0]);
        ++figures.kills;
        if (fs::exists(file))
            checkAfterKill(file, confirmed, figures);
    }
    int setAside = static_cast<int>(test::filesNamedWith(dir.path(), ".sqlite3.").size());
    std::cout << "[reliability] history: kills " << figures.kills << ", draws confirmed " << figures.confirmed
              << ", lost " << figures.lost << ", torn " << figures.torn << ", integrity failures "
              << figures.unsound << ", set aside " << setAside << "\n";
    EXPECT_EQ(figures.childFaults, 0);
    EXPECT_EQ(figures.lost, 0);
    EXPECT_EQ(figures.torn, 0);
    EXPECT_EQ(figures.unsound, 0);
    EXPECT_EQ(setAside, 0);
    EXPECT_GT(figures.confirmed, figures.kills) << "the kills landed while draws were being recorded";
}

} // namespace tavu
