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

// Runs `program` (a copy of tavu-cli placed elsewhere, say) with these arguments and with
// `environment` ("NAME=value" entries) set on top of the test's own.
CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment = {});

} // namespace tavu::test
