#include "history/history.h"
#include "history/set_aside.h"
#include "history/sqlite_db.h"
#include "history_fixture.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <random>

namespace tavu {

using history::History;
using test::filesNamedWith;
using test::readBytes;
using test::sampleDraw;
using test::TempDir;
using test::writeBytes;
namespace fs = std::filesystem;

namespace {

// A draw recorded over a faulty file lands in a new history; the faulty file is kept aside
// under a dated name, and the player is told once, with both names.
fs::path expectSetAsideAndRecorded(History& history, const std::string& kind) {
    auto id = history.record(sampleDraw("book", 1));
    EXPECT_EQ(id, 1);
    auto stem = filesNamedWith(history.file().parent_path(), "history.sqlite3." + kind);
    EXPECT_EQ(stem.size(), 1u);
    if (stem.empty())
        return {};
    auto notice = history.takeNotice();
    EXPECT_TRUE(notice);
    EXPECT_NE(notice.value_or("").find(history.file().string()), std::string::npos) << *notice;
    EXPECT_NE(notice.value_or("").find(stem[0].string()), std::string::npos) << *notice;
    EXPECT_FALSE(history.takeNotice()) << "told once";
    EXPECT_EQ(history.record(sampleDraw("book", 2)), 2) << "the new history goes on";
    EXPECT_FALSE(history.takeNotice());
    EXPECT_EQ(test::queryColumn(history.file(), "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    return stem[0];
}

std::string randomBytes(std::size_t size) {
    std::mt19937 random(18);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

} // namespace

TEST(HistoryRecovery, RandomBytesAreSetAsideUntouched) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    const std::string bytes = randomBytes(64 * 1024);
    writeBytes(file, bytes);
    History history(file);
    fs::path aside = expectSetAsideAndRecorded(history, "damaged");
    EXPECT_TRUE(readBytes(aside) == bytes);
    EXPECT_TRUE(aside.filename().string().starts_with("history.sqlite3.damaged-2")) << aside;
}

TEST(HistoryRecovery, ATruncatedHistoryIsSetAsideWithItsLog) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    test::makeHistory(file, 200);
    fs::resize_file(file, fs::file_size(file) / 2);
    writeBytes(fs::path(file).concat("-wal"), randomBytes(5000)); // a log that is not this file's
    History history(file);
    fs::path aside = expectSetAsideAndRecorded(history, "damaged");
    EXPECT_TRUE(readBytes(fs::path(aside).concat("-wal")) == randomBytes(5000));
    EXPECT_EQ(history.count({}), 2);
}

TEST(HistoryRecovery, AFolderInThePlaceOfTheFileIsSetAsideWithWhatItHolds) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    fs::create_directories(file);
    writeBytes(file / "note.txt", "mine");
    History history(file);
    fs::path aside = expectSetAsideAndRecorded(history, "folder");
    EXPECT_EQ(readBytes(aside / "note.txt"), "mine");
}

TEST(HistoryRecovery, AnUnreadableFileIsSetAside) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    test::makeHistory(file, 3);
    fs::permissions(file, fs::perms::none);
    test::setOpenFailure(test::modeIsZero);
    History history(file, {std::chrono::milliseconds(2000), test::faultyVfs()});
    fs::path aside = expectSetAsideAndRecorded(history, "unreadable");
    test::setOpenFailure(nullptr);
    fs::permissions(aside, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::queryColumn(aside, "SELECT count(*) FROM draws"), std::vector<std::string>{"3"});
}

TEST(HistoryRecovery, AFileLockedPastTheTimeoutIsSetAsideAndItsHolderCarriesOn) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    test::makeHistory(file, 1);
    history::Database holder(file, nullptr);
    history::Transaction held(holder);
    History history(file, {std::chrono::milliseconds(100), nullptr});
    fs::path aside = expectSetAsideAndRecorded(history, "locked");
    holder.exec("DELETE FROM draws");
    held.commit();
    EXPECT_EQ(test::queryColumn(aside, "SELECT count(*) FROM draws"), std::vector<std::string>{"0"});
    EXPECT_EQ(history.count({}), 2) << "the holder's write stays in the file it holds";
}

TEST(HistoryRecovery, ANewerOrForeignDatabaseIsLeftAsItIsAndTheHistoryIsOff) {
    TempDir dir;
    for (const char* made : {"PRAGMA application_id = 1413568085; PRAGMA user_version = 7;",
                             "CREATE TABLE scores (name TEXT, points INTEGER);"}) {
        auto file = dir / "history.sqlite3";
        fs::remove(file);
        history::Database(file, nullptr).exec(made);
        const std::string bytes = readBytes(file);
        History history(file);
        EXPECT_FALSE(history.record(sampleDraw("book", 1)));
        auto notice = history.takeNotice();
        ASSERT_TRUE(notice) << made;
        EXPECT_NE(notice->find(file.string()), std::string::npos);
        EXPECT_FALSE(history.list({}));
        EXPECT_FALSE(history.takeNotice()) << "told once";
        EXPECT_EQ(readBytes(file), bytes) << made;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1) << made;
    }
}

TEST(HistoryRecovery, WhereNoFileCanBeMadeTheDrawIsToldNotRecordedAndNothingPilesUp) {
    TempDir dir;
    writeBytes(dir / "blocked", "a file where the folder belongs");
    History noFolder(dir / "blocked" / "history.sqlite3");
    EXPECT_FALSE(noFolder.record(sampleDraw("book", 1)));
    EXPECT_NE(noFolder.takeNotice().value_or("").find((dir / "blocked").string()), std::string::npos);

    auto file = dir / "history.sqlite3";
    writeBytes(file, randomBytes(4096));
    test::setOpenFailure([](const fs::path&) { return true; });
    History history(file, {std::chrono::milliseconds(2000), test::faultyVfs()});
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(history.record(sampleDraw("book", i)));
    test::setOpenFailure(nullptr);
    EXPECT_TRUE(history.takeNotice());
    EXPECT_FALSE(history.takeNotice());
    EXPECT_EQ(filesNamedWith(dir.path(), "history.sqlite3.").size(), 1u)
        << "one file set aside, not one per draw";
}

TEST(HistoryRecovery, AWindowFollowsAFileAnotherProgramSetAside) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    History window(file);
    ASSERT_EQ(window.record(sampleDraw("book", 1)), 1);
    fs::path aside = history::moveAside(file, history::Trouble::Damaged, std::chrono::system_clock::now());
    EXPECT_EQ(window.record(sampleDraw("book", 2)), 1) << "a new file, not the one set aside";
    EXPECT_EQ(test::queryColumn(aside, "SELECT count(*) FROM draws"), std::vector<std::string>{"1"});
}

TEST(HistoryRecovery, NamesSetAsideInOneMinuteDoNotCollide) {
    TempDir dir;
    auto file = dir / "history.sqlite3";
    auto moment = std::chrono::system_clock::now();
    std::vector<fs::path> asides;
    for (int i = 0; i < 3; ++i) {
        writeBytes(file, std::to_string(i));
        asides.push_back(history::moveAside(file, history::Trouble::Damaged, moment));
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(readBytes(asides[i]), std::to_string(i));
    EXPECT_EQ(asides[1].string(), asides[0].string() + "-2");
}

} // namespace tavu
