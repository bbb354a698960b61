#include "history/history.h"
#include "history/sqlite_db.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <set>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavu {

using history::History;
using test::sampleDraw;
using test::TempDir;
namespace fs = std::filesystem;

namespace {

constexpr int DrawsEach = 300;

// What one writer got back: the ids, and whether any draw went unrecorded or was told about.
struct Written {
    std::vector<std::int64_t> ids;
    bool faultless = true;
};

Written writeDraws(const fs::path& file, const std::string& command) {
    History history(file);
    Written written;
    for (int i = 0; i < DrawsEach; ++i) {
        auto id = history.record(sampleDraw(command, i, 1 + i % 50));
        auto notice = history.takeNotice();
        if (notice)
            std::cerr << command << ": " << *notice << "\n";
        written.faultless = written.faultless && id && !notice;
        written.ids.push_back(id.value_or(0));
    }
    return written;
}

// A tavu-cli --record of its own: another process writing bursts to the same file.
struct Writer {
    pid_t pid;
    int ids;
};

Writer startWriter(const fs::path& file, const std::string& command) {
    int fds[2];
    if (::pipe(fds) != 0)
        throw std::runtime_error("pipe");
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        Written written = writeDraws(file, command);
        std::size_t bytes = written.ids.size() * sizeof(std::int64_t);
        bool sent = ::write(fds[1], written.ids.data(), bytes) == static_cast<ssize_t>(bytes);
        ::_exit(written.faultless && sent ? 0 : 1);
    }
    ::close(fds[1]);
    return {pid, fds[0]};
}

Written finish(const Writer& writer) {
    Written written;
    written.ids.resize(DrawsEach);
    std::size_t bytes = DrawsEach * sizeof(std::int64_t);
    written.faultless = ::read(writer.ids, written.ids.data(), bytes) == static_cast<ssize_t>(bytes);
    ::close(writer.ids);
    int status = 0;
    ::waitpid(writer.pid, &status, 0);
    written.faultless = written.faultless && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return written;
}

} // namespace

TEST(HistoryConcurrency, TwoProgramsAndTwoThreadsRecordingAtOnceAllSucceed) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    Writer first = startWriter(file, "cli-a");
    Writer second = startWriter(file, "cli-b");
    Written windowDraws;
    std::thread window([&] { windowDraws = writeDraws(file, "window"); });
    History reader(file); // the history dialog, open meanwhile
    bool readsFaultless = true;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (readsFaultless && reader.count({}).value_or(0) < 3 * DrawsEach &&
           std::chrono::steady_clock::now() < deadline)
        readsFaultless = reader.list({}).has_value();
    window.join();
    EXPECT_TRUE(readsFaultless);

    std::set<std::int64_t> ids;
    for (const Written& written : {finish(first), finish(second), windowDraws}) {
        EXPECT_TRUE(written.faultless);
        ids.insert(written.ids.begin(), written.ids.end());
    }
    EXPECT_EQ(ids.size(), 3u * DrawsEach) << "every id given once";
    EXPECT_FALSE(ids.contains(0));
    EXPECT_EQ(reader.count({}), 3 * DrawsEach);
    EXPECT_EQ(reader.count({"cli-b", ""}), DrawsEach);
    auto notice = reader.takeNotice();
    EXPECT_FALSE(notice) << *notice;
    EXPECT_TRUE(test::filesNamedWith(dir.path(), "history.sqlite3.").empty()) << "nothing was set aside";
}

// Making a new file a history takes it whole for a moment; another program making it a history
// at the same moment must be waited for, not taken for a fault.
TEST(HistoryConcurrency, AHistoryStartedWhileAnotherProgramMakesTheFileWaitsForIt) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    history::Database other(file, nullptr);
    sqlite3_busy_timeout(other.handle(), 2000); // its commit waits for the reads of the one that waits
    auto making = std::make_unique<history::Transaction>(other, history::Transaction::Kind::Write);
    std::thread letGo([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        making->commit();
    });
    History history(file);
    auto id = history.record(sampleDraw("book", 1));
    letGo.join();
    EXPECT_EQ(id, 1);
    auto notice = history.takeNotice();
    EXPECT_FALSE(notice) << *notice;
}

} // namespace tavu
