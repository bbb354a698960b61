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
    TempDir dir;
    // A command that hangs (on a FIFO, say) is killed and shows as a failure, not a stuck test.
    std::string command = "timeout -k 5 60 " + quoted(TAVU_CLI);
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
