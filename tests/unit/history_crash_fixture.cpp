#include "history_crash_fixture.h"

#include "history/history.h"
#include "history_fixture.h"

#include <random>
#include <string>
#include <unistd.h>

namespace tavu::test {

namespace fs = std::filesystem;

void recordUntilKilled(const fs::path& file, int fd, unsigned seed) {
    std::mt19937 random(seed);
    for (int number = 0;;) {
        history::History history(file);
        for (int burst = 1 + static_cast<int>(random() % 40); burst > 0; --burst, ++number) {
            auto id = history.record(sampleDraw("book", number, 1 + static_cast<int>(random() % 50)));
            std::string line = std::to_string(id.value_or(0)) + "\n";
            if (!id || history.takeNotice() ||
                ::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
                ::_exit(3);
        }
    }
}

std::set<std::int64_t> readIds(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    std::set<std::int64_t> ids;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        ids.insert(std::stoll(text.substr(start, end - start)));
    return ids;
}

namespace {

// sampleDraw's code ends in the number of lines it was given.
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

} // namespace

AfterKill checkAfterKill(const fs::path& file, const std::set<std::int64_t>& confirmed) {
    AfterKill found;
    if (!fs::exists(file)) { // killed before the first writer made it
        found.lost = static_cast<int>(confirmed.size());
        return found;
    }
    found.sound = queryColumn(file, "PRAGMA integrity_check") == std::vector<std::string>{"ok"};
    // Killed while the first writer was making the file: nothing was recorded in it yet.
    if (queryColumn(file, "SELECT name FROM sqlite_schema WHERE name = 'draws'").empty()) {
        found.lost = static_cast<int>(confirmed.size());
        return found;
    }
    auto present = queryColumn(file, "SELECT id FROM draws");
    std::set<std::string> ids(present.begin(), present.end());
    for (std::int64_t id : confirmed)
        found.lost += !ids.contains(std::to_string(id));
    found.torn = tornRows(file);
    return found;
}

} // namespace tavu::test
