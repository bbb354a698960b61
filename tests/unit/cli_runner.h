#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavu::test {

struct CliRun {
    int exitCode = -1;
    std::string out; // stdout bytes
    std::string err; // stderr bytes
};

// How a run is made beyond its arguments.
struct CliCall {
    std::filesystem::path program = TAVU_CLI; // another copy of the program
    std::filesystem::path cwd;                // the working folder; the test's own when empty
    std::string input;                        // what stdin holds (it is at its end otherwise)
    std::vector<std::string> environment;     // "NAME=value" entries set on top of the test's own
};

// Runs the built tavu-cli with these arguments as its own process. exitCode is 128 + N when
// it ended by signal N, 124 or 137 when it ran past a minute.
CliRun runCli(const std::vector<std::string>& args, const CliCall& call = {});

// Runs a shell command line (sh -c) with stdout and stderr collected apart.
CliRun runShell(const std::string& commandLine, const std::filesystem::path& cwd = {});

// The commands `tavu-cli COMMAND... --help` lists under "Subcommands:" (the top level's
// when `command` is empty).
std::vector<std::string> listedSubcommands(const std::vector<std::string>& command = {});

// The argument quoted for sh.
std::string shellQuoted(const std::string& arg);

} // namespace tavu::test
