// What start-up reads before the window exists, and how far it got when something is wrong.
#include "startup/startup_files.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {
namespace {

using Reached = StartupFiles::Reached;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(StartupFiles, ReadsSettingsAndTablesOfACompleteFolder) {
    TempDir dir;
    const auto system = test::copyBundledSystem(dir.path());
    const StartupFiles files = readStartupFiles(system);
    EXPECT_EQ(files.reached, Reached::TablesRead);
    EXPECT_TRUE(files.error.empty());
    EXPECT_EQ(files.systemDir, system);
    EXPECT_EQ(files.sizes.spellCount, files.settings[entry::SpellCount]);
    EXPECT_GT(files.tables.spells.size(), 0);
    EXPECT_EQ(files.tables.spells.size(), files.sizes.spellCount);
}

TEST(StartupFiles, MissingFileStopsBeforeAnythingIsReadOrWritten) {
    TempDir dir;
    const auto system = test::copyBundledSystem(dir.path());
    std::filesystem::remove(system / "RM_07.tri");
    const std::string settings = readBytes(system / SettingsFileName);
    const StartupFiles files = readStartupFiles(system);
    EXPECT_EQ(files.reached, Reached::MissingFile);
    EXPECT_EQ(readBytes(system / SettingsFileName), settings);
    EXPECT_EQ(files.settings, SettingsArray{});
}

TEST(StartupFiles, ReportsWhetherTheSettingsOrATableStoppedIt) {
    TempDir dir;
    const auto system = test::copyBundledSystem(dir.path());
    const std::string settings = readBytes(system / SettingsFileName);
    writeBytes(system / SettingsFileName, "12\r\nabc\r\n");
    StartupFiles files = readStartupFiles(system);
    EXPECT_EQ(files.reached, Reached::Nothing);
    EXPECT_NE(files.error.find("system.tri"), std::string::npos) << files.error;

    writeBytes(system / SettingsFileName, settings);
    writeBytes(system / "RM_Map.tri", "0 x 1 1 1 6 3\r\n");
    files = readStartupFiles(system);
    EXPECT_EQ(files.reached, Reached::SettingsRead);
    EXPECT_NE(files.error.find("RM_Map.tri"), std::string::npos) << files.error;
    EXPECT_EQ(files.sizes.mapCount, files.settings[entry::MapCount]);
}

} // namespace
} // namespace tavu
