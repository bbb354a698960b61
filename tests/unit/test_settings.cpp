#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

namespace {
std::string lines(int count, int first = 0) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(first + i) + "\r\n";
    return text;
}
} // namespace

TEST(Settings, LoadUnlocksInPlaceAndReadsHundredLines) {
    TempDir dir;
    auto file = dir / "system.tri";
    writeBytes(file, lines(100) + "12345\r\n");
    ASSERT_TRUE(LockDataFile(file, SettingsKey, false));
    SettingsArray settings{};
    LoadSettings(file, settings);
    EXPECT_EQ(settings[0], 0);
    EXPECT_EQ(settings[99], 99);
    EXPECT_EQ(readBytes(file), lines(100) + "12345\r\n"); // left deciphered on disk
}

TEST(Settings, SaveWritesExactlyHundredLinesLockedAndKeepsCarriedEntries) {
    TempDir dir;
    auto file = dir / "system.tri";
    writeBytes(file, lines(101));
    SettingsArray settings{};
    LoadSettings(file, settings);
    settings[27] = 27;
    settings[52] = -5;
    SaveSettings(file, settings);
    EXPECT_EQ(readBytes(file).substr(2, 6), "LOCKED");
    EXPECT_EQ(readSettingsReadOnly(file), settings);
    auto unlocked = unlockBytes(readBytes(file), SettingsKey);
    ASSERT_TRUE(unlocked);
    EXPECT_EQ(unlocked->plain, formatSettings(settings));
    EXPECT_EQ(std::count(unlocked->plain.begin(), unlocked->plain.end(), '\n'), 100);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // no temp file left
}

TEST(Settings, ShortOrMalformedFilesNameTheLine) {
    SettingsArray settings{};
    try {
        parseSettings(lines(99, 1), "system.tri", settings);
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.line(), 100);
    }
    EXPECT_EQ(settings[98], 99); // entries read so far keep their values
    try {
        parseSettings("1\r\n2\r\nzwei\r\n" + lines(97), "system.tri", settings);
        FAIL();
    } catch (const DataError& e) {
        EXPECT_EQ(e.line(), 3);
    }
    EXPECT_THROW(parseSettings("99999999999\n" + lines(99), "system.tri", settings), DataError);
}

TEST(Settings, LineEndsOfEveryKindAndNegativeValues) {
    SettingsArray settings{};
    std::string text = "-5\n2\r3\r\n";
    for (int i = 3; i < 100; ++i)
        text += "2000000000\n";
    parseSettings(text, "system.tri", settings);
    EXPECT_EQ(settings[0], -5);
    EXPECT_EQ(settings[1], 2);
    EXPECT_EQ(settings[2], 3);
    EXPECT_EQ(settings[99], 2000000000);
}

TEST(Settings, ForeignKeyIsNotDecipheredAndFailsToLoad) {
    TempDir dir;
    auto file = dir / "system.tri";
    writeBytes(file, lines(100));
    ASSERT_TRUE(LockDataFile(file, "ABCD", false));
    std::string before = readBytes(file);
    SettingsArray settings{};
    EXPECT_THROW(LoadSettings(file, settings), DataError);
    EXPECT_EQ(readBytes(file), before);
}

TEST(Settings, ReadOnlyLoadLeavesLockedFileUntouched) {
    TempDir dir;
    auto file = dir / "system.tri";
    writeBytes(file, lines(100));
    ASSERT_TRUE(LockDataFile(file, SettingsKey, false));
    std::string before = readBytes(file);
    auto stamp = std::filesystem::last_write_time(file);
    EXPECT_EQ(readSettingsReadOnly(file)[42], 42);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(std::filesystem::last_write_time(file), stamp);
}

namespace {
void failEveryWrite(const char* step) {
    if (std::string_view(step) == "write")
        throw DataError("system.$$$", 0, "ディスクに空きがありません");
}
} // namespace

// A read-only folder or a full disk: the locked file is read as it is, never parsed as plain
// text, and the caller learns why it could not be written back.
TEST(Settings, LoadThatCannotWriteBackDeciphersInMemory) {
    TempDir dir;
    auto file = dir / "system.tri";
    writeBytes(file, lines(100, 7));
    ASSERT_TRUE(LockDataFile(file, SettingsKey, false));
    const std::string locked = readBytes(file);
    SettingsArray settings{};
    setFileFaultHook(&failEveryWrite);
    SettingsLoad load;
    EXPECT_NO_THROW(load = LoadSettings(file, settings));
    setFileFaultHook(nullptr);
    EXPECT_NE(load.notWritable.find("ディスクに空きがありません"), std::string::npos);
    EXPECT_EQ(settings[0], 7);
    EXPECT_EQ(settings[99], 106);
    EXPECT_EQ(readBytes(file), locked);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    // Written back in place, nothing is said.
    EXPECT_TRUE(LoadSettings(file, settings).notWritable.empty());
    EXPECT_EQ(readBytes(file), lines(100, 7));
}

TEST(Settings, FailedSaveReachesTheCaller) {
    TempDir dir;
    SettingsArray settings{};
    EXPECT_THROW(SaveSettings(dir / "gone" / "system.tri", settings), DataError);
    // A folder standing where the file should be: nothing is replaced, nothing is left behind.
    std::filesystem::create_directory(dir / "system.tri");
    EXPECT_THROW(SaveSettings(dir / "system.tri", settings), DataError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "system.tri"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace tavu
