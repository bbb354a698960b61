#include "history/history.h"
#include "history/history_schema.h"
#include "history/sqlite_db.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using history::History;
using history::HistoryPage;
using test::queryColumn;
using test::sampleDraw;
using test::TempDir;
namespace fs = std::filesystem;

namespace {

// What the file says of itself once a history has opened it.
void expectCurrentHistoryFile(const fs::path& file) {
    EXPECT_EQ(queryColumn(file, "PRAGMA user_version"),
              std::vector<std::string>{std::to_string(history::currentSchemaVersion())});
    EXPECT_EQ(queryColumn(file, "PRAGMA application_id"),
              std::vector<std::string>{std::to_string(history::HistoryApplicationId)});
    EXPECT_EQ(queryColumn(file, "PRAGMA journal_mode"), std::vector<std::string>{"wal"});
    EXPECT_EQ(queryColumn(file, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

// A history file as the first version of this program left it, written by hand here so that
// a change of layout without a way up from it fails: rollback journal, two draws, the second
// deleted, so the next id must still be 3.
void makeVersionOneFile(const fs::path& file) {
    history::Database db(file, nullptr);
    db.exec(
        "PRAGMA journal_mode = DELETE;"
        "CREATE TABLE draws (id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL,"
        " command TEXT NOT NULL, code TEXT NOT NULL, lines TEXT NOT NULL, result_file TEXT NOT NULL,"
        " program_version TEXT NOT NULL, data_version INTEGER NOT NULL);"
        "CREATE INDEX draws_by_command ON draws (command, id);"
        "INSERT INTO draws VALUES (1, '2025-01-02T03:04:05Z', 'map', 'TAVU1-OLD', '火山\n\n森\n',"
        " '/home/player/map.txt', '0.9.0', 20231201);"
        "INSERT INTO draws VALUES (2, '2025-01-02T03:04:06Z', 'map', 'TAVU1-GONE', 'x\n', '', '0.9.0', 1);"
        "DELETE FROM draws WHERE id = 2;"
        "PRAGMA application_id = 1413568085;"
        "PRAGMA user_version = 1;");
}

} // namespace

TEST(HistorySchema, EmptyFilesOfVersionZeroBecomeHistories) {
    TempDir dir;
    // Nothing at all, and an SQLite file of another moment that holds no table and no stamp.
    test::writeBytes(dir / "zero-bytes.sqlite3", "");
    history::Database(dir / "bare.sqlite3", nullptr).exec("CREATE TABLE t (x); DROP TABLE t;");
    for (const char* name : {"zero-bytes.sqlite3", "bare.sqlite3"}) {
        History history(dir / name);
        EXPECT_EQ(history.record(sampleDraw("book", 1)), 1) << name;
        EXPECT_FALSE(history.takeNotice()) << name;
        expectCurrentHistoryFile(dir / name);
    }
}

TEST(HistorySchema, AVersionOneFileKeepsItsDrawsAndTakesNewOnes) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    makeVersionOneFile(file);
    History history(file);
    HistoryPage all;
    all.withLines = true;
    auto rows = history.list(all);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->at(0).id, 1);
    EXPECT_EQ(rows->at(0).draw, (history::DrawEntry{"2025-01-02T03:04:05Z",
                                                    "map",
                                                    "TAVU1-OLD",
                                                    {"火山", "", "森"},
                                                    "/home/player/map.txt",
                                                    "0.9.0",
                                                    20231201}));
    EXPECT_EQ(history.record(sampleDraw("book", 3)), 3);
    EXPECT_FALSE(history.takeNotice());
    expectCurrentHistoryFile(file);
}

TEST(HistorySchema, AStampedFileWithoutWhatItsVersionMadeIsSetAsideAsDamaged) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    for (const char* made : {"", "CREATE TABLE draws (id INTEGER PRIMARY KEY, time TEXT);"}) {
        fs::remove_all(dir.path());
        fs::create_directories(dir.path());
        history::Database(file, nullptr)
            .exec(
                (std::string(made) + "PRAGMA application_id = 1413568085; PRAGMA user_version = 1;").c_str());
        History history(file);
        EXPECT_EQ(history.record(sampleDraw("book", 1)), 1) << made;
        EXPECT_TRUE(history.takeNotice()) << made;
        EXPECT_EQ(test::filesNamedWith(dir.path(), "history.sqlite3.damaged-").size(), 1u) << made;
        expectCurrentHistoryFile(file);
    }
}

} // namespace tavu
