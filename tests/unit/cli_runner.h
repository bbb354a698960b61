#pragma once

#include <string>
#include <vector>

namespace tavu::test {

struct CliRun {
    int exitCode = -1;
    std::string out; // stdout bytes
    std::string err; // stderr bytes
};

// Runs the built tavu-cli with these arguments as its own process. exitCode is 128 + N when
// it ended by signal N, 124 or 137 when it ran past a minute.
CliRun runCli(const std::vector<std::string>& args);

} // namespace tavu::test
