#pragma once

#include "test_helpers.h"

#include <filesystem>
#include <string>

namespace tavu::test {

// A small, consistent data folder for the book, map and CPU commands: 4 creatures (one E),
// 3 items (one E), 3 spells (one E), the card list of those 10, 3 maps (one a download map)
// and 4 opponents, with a plain system.tri whose entries 70-80 match.
std::filesystem::path writeMatchSystem(const std::filesystem::path& dir);

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built tavu-cli with `args` (already shell-safe) in `dir`, capturing both streams.
CliRun runCli(const TempDir& dir, const std::string& args);

} // namespace tavu::test
