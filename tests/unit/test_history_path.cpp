#include "history/history.h"
#include "history/history_path.h"
#include "history_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace tavu {

namespace fs = std::filesystem;

namespace {

// Sets or unsets an environment variable for one test, putting back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value)
        : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(HistoryPath, TheUserDataFolderUnlessAFileIsGiven) {
    ScopedEnv home("HOME", "/home/player");
    {
        ScopedEnv data("XDG_DATA_HOME", "/data/player");
        EXPECT_EQ(history::historyFile(), fs::path("/data/player/tavu/history.sqlite3"));
        EXPECT_EQ(history::historyFile("mine.sqlite3"), fs::path("mine.sqlite3"));
    }
    for (const char* unusable : {"", "relative/data", static_cast<const char*>(nullptr)}) {
        ScopedEnv data("XDG_DATA_HOME", unusable);
        EXPECT_EQ(history::historyFile(), fs::path("/home/player/.local/share/tavu/history.sqlite3"));
    }
}

TEST(HistoryPath, WithoutAHomeTheHistoryIsOffAndSaysSo) {
    ScopedEnv home("HOME", nullptr);
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_TRUE(history::historyFile().empty());
    history::History history(history::historyFile());
    EXPECT_FALSE(history.record(test::sampleDraw("book", 1)));
    EXPECT_TRUE(history.takeNotice());
}

} // namespace tavu
