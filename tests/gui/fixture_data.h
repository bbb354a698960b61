#pragma once

#include "store/settings.h"

#include <filesystem>

// A small but complete data folder for the window tests, written the way the table and
// settings formats lay it out. It stands in for the bundled data set where that is not built.
namespace tavu::test {

// Settings as a fresh installation holds them: every entry matches the initial state of its
// control, so a start changes nothing; entries 70..80 count the fixture's table lines.
SettingsArray fixtureSettings();

// Writes the settings as plain text (as start-up leaves the file), `lines` lines of them.
void writePlainSettings(const std::filesystem::path& systemDir, const SettingsArray& settings,
                        int lines = 100);

// Creates `root`/system with every required file and returns that folder.
std::filesystem::path makeFixtureSystem(const std::filesystem::path& root);
std::filesystem::path makeFixtureSystem(const std::filesystem::path& root, const SettingsArray& settings);

} // namespace tavu::test
