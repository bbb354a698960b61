#include "crash_injection.h"
#include "store/cipher.h"
#include "store/settings.h"
#include "test_helpers.h"
#include "update/staged_folder.h"
#include "update_test_site.h"

#include <gtest/gtest.h>

namespace tavu {

using test::injectCrashAtEveryPoint;
using test::readBytes;
using test::TempDir;

namespace {

SettingsArray numbered(int offset) {
    SettingsArray s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int32_t>(i) * 1000 + offset;
    return s;
}

// The file must exist, carry exactly one lock layer and hold one of the complete arrays.
void expectOldOrNew(const std::filesystem::path& file, const SettingsArray& oldOnes,
                    const SettingsArray& newOnes, int& lost) {
    SettingsArray loaded{};
    bool ok = false;
    try {
        std::string bytes = readBytes(file);
        auto once = unlockBytes(bytes, SettingsKey);
        bool doublyLocked = once && unlockBytes(once->plain, SettingsKey).has_value();
        loaded = readSettingsReadOnly(file);
        ok = !doublyLocked && (loaded == oldOnes || loaded == newOnes);
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok)
        ++lost;
}

} // namespace

TEST(CrashInjection, SettingsSaveLeavesOldOrNewSettings) {
    TempDir dir;
    auto file = dir / "system.tri";
    const SettingsArray before = numbered(1);
    const SettingsArray after = numbered(2);
    int lost = 0;
    int points =
        injectCrashAtEveryPoint([&] { SaveSettings(file, before); }, [&] { SaveSettings(file, after); },
                                [&] { expectOldOrNew(file, before, after, lost); });
    test::reportCrashFigures("settings save", points, lost);
    EXPECT_GT(points, 20); // every slice of the write, the flush and the rename
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(readSettingsReadOnly(file), after);
}

TEST(CrashInjection, StartUpUnlockLeavesReadableSettings) {
    TempDir dir;
    auto file = dir / "system.tri";
    const SettingsArray settings = numbered(3);
    int lost = 0;
    int points = injectCrashAtEveryPoint([&] { SaveSettings(file, settings); },
                                         [&] {
                                             SettingsArray loaded{};
                                             LoadSettings(file, loaded);
                                         },
                                         [&] { expectOldOrNew(file, settings, settings, lost); });
    test::reportCrashFigures("settings unlock at start-up", points, lost);
    EXPECT_GT(points, 10);
    EXPECT_EQ(lost, 0);
}

TEST(CrashInjection, LockInPlaceNeverLosesTheFile) {
    TempDir dir;
    auto file = dir / "data.tri";
    const std::string plain(700, 'p');
    int lost = 0;
    int points = injectCrashAtEveryPoint([&] { test::writeBytes(file, plain); },
                                         [&] { LockDataFile(file, SettingsKey, false); },
                                         [&] {
                                             std::string now = readBytes(file);
                                             auto unlocked = unlockBytes(now, SettingsKey);
                                             if (now != plain && !(unlocked && unlocked->plain == plain))
                                                 ++lost;
                                         });
    test::reportCrashFigures("file lock", points, lost);
    EXPECT_GT(points, 10);
    EXPECT_EQ(lost, 0);
}

TEST(CrashInjection, FolderSwapLeavesTheWholeOldOrTheWholeNewSet) {
    TempDir dir;
    namespace fs = std::filesystem;
    fs::path system = dir / "system";
    std::map<std::string, std::string> oldSet;
    std::map<std::string, std::string> newSet;
    auto reset = [&] {
        fs::remove_all(system);
        fs::remove_all(stagingDirFor(system));
        fs::remove_all(previousDirFor(system));
        oldSet = test::snapshotFolder(test::makeSystemFolder(system, 1, "old"));
        newSet = test::snapshotFolder(test::makeSystemFolder(stagingDirFor(system), 2, "new"));
    };
    // Every folder rename of the swap, and the moments before and after it, is a crash point.
    auto crashingRename = [](const fs::path& from, const fs::path& to, std::error_code& ec) {
        test::faultPoint();
        renameFolder(from, to, ec);
        test::faultPoint();
    };
    int lost = 0;
    int points = injectCrashAtEveryPoint(
        reset, [&] { swapInStagedFolder(system, stagingDirFor(system), crashingRename); },
        [&] {
            recoverInterruptedSwap(system); // what the next start does
            auto now = test::snapshotFolder(system);
            if (now != oldSet && now != newSet)
                ++lost;
        });
    test::reportCrashFigures("data folder swap", points, lost);
    EXPECT_GE(points, 4);
    EXPECT_EQ(lost, 0);
}

} // namespace tavu
