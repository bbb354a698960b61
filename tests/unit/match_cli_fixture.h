#pragma once

#include "cli_runner.h"
#include "test_helpers.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tavu::test {

// A small, consistent data folder for the book, map and CPU commands: 4 creatures (one E),
// 3 items (one E), 3 spells (one E), the card list of those 10, 3 maps (one a download map)
// and 4 opponents, with a plain system.tri whose entries 70-80 match.
std::filesystem::path writeMatchSystem(const std::filesystem::path& dir);

// Runs tavu-cli over `dir`/system with `--seed seed` and the blank-separated `args`.
CliRun runMatchCli(const TempDir& dir, std::uint32_t seed, const std::string& args);

} // namespace tavu::test
