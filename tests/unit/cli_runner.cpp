#include "cli_runner.h"

#include "test_helpers.h"

#include <cstdlib>
#include <sys/wait.h>

namespace tavu::test {

namespace {
std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
} // namespace

CliRun runCli(const std::vector<std::string>& args) {
    return runProgram(TAVU_CLI, args);
}

CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& environment) {
    TempDir dir;
    std::string command = "env";
    for (const auto& variable : environment)
        command += " " + quoted(variable);
    command += " " + quoted(program);
    for (const auto& a : args)
        command += " " + quoted(a);
    command += " >" + quoted((dir / "out").string()) + " 2>" + quoted((dir / "err").string());
    int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readBytes(dir / "out");
    run.err = readBytes(dir / "err");
    return run;
}

} // namespace tavu::test
