// The user's data folder: made whole from the installed set on first use, brought up to a
// newer installed set as a download would be, and never left half made by a crash.
#include "crash_injection.h"
#include "folders/data_set_copy.h"
#include "folders/user_data_folder.h"
#include "startup/data_folder_use.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"
#include "update/staged_folder.h"
#include "update/update_lock.h"
#include "update_test_site.h"

#include <gtest/gtest.h>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

void setVersion(const fs::path& dir, std::int32_t version) {
    SettingsArray settings = readSettingsReadOnly(dir / SettingsFileName);
    settings[entry::DataVersion] = version;
    SaveSettings(dir / SettingsFileName, settings);
}

// An installed set (the bundled one at `version`) and the user's folder made of it.
struct Layout {
    TempDir root;
    fs::path installed;
    DataFolderChoice choice;

    explicit Layout(std::int32_t version = 7) {
        installed = makeSystemFolder(root / "share" / "system", version, "v" + std::to_string(version));
        choice = {DataFolderChoice::Kind::User, root / "data" / "tavu" / "system", installed};
    }
    fs::path user() const { return choice.systemDir; }
};

// Every file a start needs, a few bytes each: the first copy only moves bytes, and small
// files keep the crash points few enough to try every one.
void writeTinySet(const fs::path& dir) {
    fs::create_directories(dir);
    for (const auto& name : requiredSystemFiles())
        writeBytes(dir / name, name + "\r\n");
}

std::vector<std::string> leftovers(const fs::path& user) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(user.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name != user.filename().string() && !name.ends_with(".lock"))
            names.push_back(name);
    }
    return names;
}

} // namespace

TEST(UserDataFolder, FirstUseMakesAWholeCopyAndLaterUsesLeaveItAlone) {
    Layout layout;
    DataFolderPreparation first = prepareDataFolder(layout.choice);
    EXPECT_TRUE(first.created);
    EXPECT_TRUE(first.problem.empty()) << first.problem;
    EXPECT_TRUE(first.noticeLines(layout.user()).empty()); // a first start is not news
    EXPECT_EQ(snapshotFolder(layout.user()), snapshotFolder(layout.installed));

    writeBytes(layout.user() / "notes.txt", "mine");
    DataFolderPreparation second = prepareDataFolder(layout.choice);
    EXPECT_FALSE(second.created);
    EXPECT_FALSE(second.upgraded);
    EXPECT_EQ(readBytes(layout.user() / "notes.txt"), "mine");
    EXPECT_TRUE(leftovers(layout.user()).empty());
}

TEST(UserDataFolder, OtherChoicesAreUsedAsTheyAre) {
    Layout layout;
    for (auto kind : {DataFolderChoice::Kind::Given, DataFolderChoice::Kind::Portable}) {
        DataFolderChoice choice{kind, layout.user(), layout.installed};
        DataFolderPreparation result = prepareDataFolder(choice);
        EXPECT_FALSE(result.created);
        EXPECT_FALSE(fs::exists(layout.user().parent_path()));
    }
}

TEST(UserDataFolder, AnIncompleteInstalledSetMakesNoFolder) {
    Layout layout;
    fs::remove(layout.installed / "RM_05.tri");
    DataFolderPreparation result = prepareDataFolder(layout.choice);
    EXPECT_FALSE(result.created);
    EXPECT_NE(result.problem.find("RM_05.tri"), std::string::npos) << result.problem;
    EXPECT_FALSE(fs::exists(layout.user()));
    EXPECT_EQ(result.noticeLines(layout.user()), std::vector<std::string>{result.problem});
}

TEST(UserDataFolder, ACopyThatLosesTheRaceIsDropped) {
    Layout layout;
    fs::create_directories(layout.user());
    writeBytes(layout.user() / "system.tri", "made by another start");
    EXPECT_FALSE(copyIntoPlace(layout.installed, layout.user()));
    EXPECT_EQ(readBytes(layout.user() / "system.tri"), "made by another start");
    EXPECT_TRUE(leftovers(layout.user()).empty());
}

TEST(UserDataFolder, KilledAtEveryStepOfTheFirstCopyNeverLeavesAHalfFolder) {
    Layout layout;
    fs::remove_all(layout.installed);
    writeTinySet(layout.installed);
    const auto installed = snapshotFolder(layout.installed);
    int halfFolders = 0;
    int points = injectCrashAtEveryPoint(
        [&] { fs::remove_all(layout.user().parent_path()); }, [&] { prepareDataFolder(layout.choice); },
        [&] {
            // What the cut left is either nothing under the name or the whole set...
            if (fs::exists(layout.user()) && snapshotFolder(layout.user()) != installed)
                ++halfFolders;
            // ...and the next start ends with the whole set and nothing beside it.
            prepareDataFolder(layout.choice);
            EXPECT_EQ(snapshotFolder(layout.user()), installed);
            EXPECT_TRUE(leftovers(layout.user()).empty());
        });
    EXPECT_GE(points, static_cast<int>(requiredSystemFiles().size())); // in or after every file
    EXPECT_EQ(halfFolders, 0);
    reportCrashFigures("first start copy", points, halfFolders);
}

TEST(UserDataFolder, ANewerInstalledSetIsBroughtInOnceKeepingTheUsersFiles) {
    Layout layout(7);
    prepareDataFolder(layout.choice);
    setVersion(layout.installed, 8); // the package was upgraded
    writeBytes(layout.installed / CommentFileName, sj("新しいデータ\r\n"));
    writeBytes(layout.user() / "notes.txt", "mine");

    DataFolderPreparation upgrade = prepareDataFolder(layout.choice);
    EXPECT_TRUE(upgrade.upgraded) << upgrade.problem;
    EXPECT_EQ(upgrade.fromVersion, 7);
    EXPECT_EQ(upgrade.toVersion, 8);
    auto expected = snapshotFolder(layout.installed);
    expected["notes.txt"] = "mine";
    EXPECT_EQ(snapshotFolder(layout.user()), expected);
    EXPECT_FALSE(upgrade.noticeLines(layout.user()).empty());
    EXPECT_TRUE(leftovers(layout.user()).empty());

    DataFolderPreparation again = prepareDataFolder(layout.choice);
    EXPECT_FALSE(again.upgraded); // told once: there is nothing newer the second time
    EXPECT_TRUE(again.noticeLines(layout.user()).empty());
}

TEST(UserDataFolder, AnOlderOrEqualInstalledSetLeavesADownloadedCopyAlone) {
    for (std::int32_t installed : {5, 9}) {
        Layout layout(installed);
        prepareDataFolder(layout.choice);
        setVersion(layout.user(), 9); // a download brought 9
        const auto before = snapshotFolder(layout.user());
        DataFolderPreparation result = prepareDataFolder(layout.choice);
        EXPECT_FALSE(result.upgraded);
        EXPECT_EQ(snapshotFolder(layout.user()), before);
    }
}

TEST(UserDataFolder, ADamagedNewerInstalledSetIsRefusedAndTheCopyKept) {
    Layout layout(7);
    prepareDataFolder(layout.choice);
    const auto before = snapshotFolder(layout.user());
    setVersion(layout.installed, 8);
    writeBytes(layout.installed / "RM_Map.tri", "\x01\x02 not a map table");
    DataFolderPreparation result = prepareDataFolder(layout.choice);
    EXPECT_FALSE(result.upgraded);
    EXPECT_TRUE(result.upgradeFailed());
    EXPECT_NE(result.problem.find("RM_Map.tri"), std::string::npos) << result.problem;
    EXPECT_EQ(snapshotFolder(layout.user()), before);
    EXPECT_TRUE(leftovers(layout.user()).empty());
}

// Neither a download nor a running window may have the folder swapped under it; the next
// start that finds the folder free brings the newer set in.
TEST(UserDataFolder, NoUpgradeWhileADownloadOrAWindowHoldsTheFolder) {
    Layout layout(7);
    prepareDataFolder(layout.choice);
    setVersion(layout.installed, 8);
    {
        UpdateLock download(layout.user());
        ASSERT_TRUE(download.acquired());
        EXPECT_FALSE(prepareDataFolder(layout.choice).upgraded);
    }
    {
        DataFolderUse window(layout.user());
        ASSERT_TRUE(window.held());
        EXPECT_FALSE(prepareDataFolder(layout.choice).upgraded);
    }
    EXPECT_EQ(dataVersion(layout.user()), 7);
    EXPECT_TRUE(prepareDataFolder(layout.choice).upgraded);
}

// The upgrade copies the whole bundled set (some two thousand crash points): every 97th
// point is tried, which lands in every file; the swap after the copy has tests of its own.
TEST(UserDataFolder, KilledDuringAnUpgradeLeavesTheOldSetOrTheNew) {
    Layout layout(7);
    prepareDataFolder(layout.choice);
    const auto oldSet = snapshotFolder(layout.user());
    TempDir saved;
    fs::copy(layout.user(), saved / "system", fs::copy_options::recursive);
    makeSystemFolder(layout.installed, 8, "v8");
    const auto newSet = snapshotFolder(layout.installed);
    int kills = 0;
    int mixed = 0;
    for (int point = 1;; point += 97) {
        fs::remove_all(layout.user().parent_path());
        fs::create_directories(layout.user().parent_path());
        fs::copy(saved / "system", layout.user(), fs::copy_options::recursive);
        const bool killed = runKilledAtFaultPoint(point, [&] { prepareDataFolder(layout.choice); });
        recoverInterruptedSwap(layout.user()); // what every start does first
        const auto now = snapshotFolder(layout.user());
        if (now != oldSet && now != newSet)
            ++mixed;
        if (!killed) {
            EXPECT_EQ(now, newSet);
            break;
        }
        ++kills;
    }
    EXPECT_GE(kills, 10);
    EXPECT_EQ(mixed, 0);
    reportCrashFigures("installed set upgrade", kills, mixed);
}
