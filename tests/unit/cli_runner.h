#pragma once

#include <string>
#include <vector>

namespace tavu::test {

struct CliRun {
    int exitCode = -1;
    std::string out; // stdout bytes
    std::string err; // stderr bytes
};

// Runs the built tavu-cli with these arguments as its own process.
CliRun runCli(const std::vector<std::string>& args);

} // namespace tavu::test
