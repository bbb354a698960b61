#pragma once

#include <filesystem>

namespace tavu::test {

// Writes a small but complete `system` folder into `dir`/system (plain settings with the
// record counts, every table file, Comment.tri) and returns its path. For command-line
// tests that must not depend on the bundled data set.
std::filesystem::path writeFixtureSystem(const std::filesystem::path& dir);

// The footer line the fixture's Comment.tri holds (UTF-8).
inline constexpr const char* FixtureFooter = "このリストは TAVU で作成しました";

} // namespace tavu::test
