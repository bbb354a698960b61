#include "store/cipher.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

namespace {
std::string patternBytes(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>(i * 7 + 3);
    return s;
}
} // namespace

TEST(Cipher, EmptyFileLocksToBareHeaderAndBack) {
    TempDir dir;
    auto file = dir / "empty.tri";
    writeBytes(file, "");
    ASSERT_TRUE(LockDataFile(file, "Q7XK", false));
    std::string locked = readBytes(file);
    ASSERT_EQ(locked.size(), 44u);
    EXPECT_EQ(locked.substr(0, 8), std::string("\x17\x00LOCKED", 8));
    EXPECT_EQ(static_cast<unsigned char>(locked[12]), 'Q' ^ 0xDD);
    EXPECT_EQ(locked[16], '\0');
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", false), Unlocked);
    EXPECT_EQ(readBytes(file), "");
    EXPECT_FALSE(fs::exists(dir / "empty.$$$"));
}

TEST(Cipher, KeyRestartsWithEveryChunk) {
    TempDir dir;
    auto file = dir / "big.tri";
    std::string plain = patternBytes(1500);
    writeBytes(file, plain);
    ASSERT_TRUE(LockDataFile(file, "abc", false));
    std::string locked = readBytes(file);
    ASSERT_EQ(locked.size(), 1544u);
    EXPECT_EQ(locked[44 + 1023], static_cast<char>(plain[1023] ^ 'a')); // 1023 mod 3 = 0
    EXPECT_EQ(locked[44 + 1024], static_cast<char>(plain[1024] ^ 'a')); // restarts, not 'b'
    EXPECT_EQ(locked[44 + 1025], static_cast<char>(plain[1025] ^ 'b'));
    EXPECT_EQ(UnlockDataFile(file, "abc", false), Unlocked);
    EXPECT_EQ(readBytes(file), plain);
}

TEST(Cipher, PlainOrForeignFilesAreLeftUntouched) {
    TempDir dir;
    auto file = dir / "plain.tri";
    std::string text = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";
    writeBytes(file, text);
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", false), NotLockedWithKey);
    EXPECT_EQ(readBytes(file), text);

    ASSERT_TRUE(LockDataFile(file, "Q7XK", false));
    std::string locked = readBytes(file);
    EXPECT_EQ(UnlockDataFile(file, "Q7XL", false), NotLockedWithKey);
    EXPECT_EQ(readBytes(file), locked);
    EXPECT_FALSE(fs::exists(dir / "plain.$$$"));
}

TEST(Cipher, ShortFilesAndBadArguments) {
    TempDir dir;
    auto file34 = dir / "f34.tri";
    auto file35 = dir / "f35.tri";
    writeBytes(file34, std::string(34, 'x'));
    writeBytes(file35, std::string(35, 'x'));
    EXPECT_EQ(UnlockDataFile(file34, "Q7XK", false), UnlockFailed);
    EXPECT_EQ(UnlockDataFile(file35, "Q7XK", false), NotLockedWithKey);
    EXPECT_EQ(UnlockDataFile(file35, "", false), UnlockFailed);
    EXPECT_FALSE(LockDataFile(file35, "", false));
    EXPECT_EQ(UnlockDataFile(dir / "missing.tri", "Q7XK", false), UnlockFailed);
    EXPECT_FALSE(LockDataFile(dir / "missing.tri", "Q7XK", false));
    EXPECT_EQ(readBytes(file35), std::string(35, 'x'));
}

TEST(Cipher, UnlockRestoresLastWriteTime) {
    TempDir dir;
    auto file = dir / "dated.tri";
    writeBytes(file, "hello");
    auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(24 * 40);
    stamp = std::chrono::floor<std::chrono::seconds>(stamp);
    fs::last_write_time(file, stamp);
    ASSERT_TRUE(LockDataFile(file, "Q7XK", false));
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", false), Unlocked);
    EXPECT_EQ(readBytes(file), "hello");
    auto restored = fs::last_write_time(file);
    EXPECT_LE(std::chrono::abs(restored - stamp), std::chrono::seconds(2)); // 2-second resolution
}

TEST(Cipher, DoubleLockNeedsTwoUnlocks) {
    TempDir dir;
    auto file = dir / "twice.tri";
    std::string plain = patternBytes(100);
    writeBytes(file, plain);
    ASSERT_TRUE(LockDataFile(file, "Q7XK", false));
    ASSERT_TRUE(LockDataFile(file, "Q7XK", false));
    EXPECT_EQ(readBytes(file).size(), 188u);
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", false), Unlocked);
    EXPECT_EQ(readBytes(file).size(), 144u);
    EXPECT_EQ(readBytes(file).substr(2, 6), "LOCKED");
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", false), Unlocked);
    EXPECT_EQ(readBytes(file), plain);
}

TEST(Cipher, KeepOriginalKeepsSourceBeside) {
    TempDir dir;
    auto file = dir / "kept.tri";
    writeBytes(file, "content");
    ASSERT_TRUE(LockDataFile(file, "Q7XK", true));
    EXPECT_EQ(readBytes(dir / "kept.org"), "content");
    std::string locked = readBytes(file);
    EXPECT_EQ(UnlockDataFile(file, "Q7XK", true), Unlocked);
    EXPECT_EQ(readBytes(dir / "kept.crp"), locked);
    EXPECT_EQ(readBytes(file), "content");
}

TEST(Cipher, KeysThatCanLockButNeverUnlock) {
    std::string longKey(33, 'k');
    std::string locked = lockBytes("data", longKey, 0);
    EXPECT_FALSE(unlockBytes(locked, longKey));
    std::string keyWithDD = "a\xDD";
    EXPECT_FALSE(unlockBytes(lockBytes("data", keyWithDD, 0), keyWithDD));
    auto back = unlockBytes(lockBytes("data", "Q7XK", 0x12345678), "Q7XK");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->plain, "data");
    EXPECT_EQ(back->packedDateTime, 0x12345678u);
}

} // namespace tavu
