#include "cli_runner.h"

#include "test_helpers.h"

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace tavu::test {

std::string shellQuoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliRun runShell(const std::string& commandLine, const std::filesystem::path& cwd) {
    TempDir dir;
    std::string command = "(" + commandLine + ")";
    if (!cwd.empty())
        command = "cd " + shellQuoted(cwd.string()) + " && " + command;
    command = "(" + command + ") >" + shellQuoted((dir / "out").string()) + " 2>" +
              shellQuoted((dir / "err").string());
    int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readBytes(dir / "out");
    run.err = readBytes(dir / "err");
    return run;
}

CliRun runCli(const std::vector<std::string>& args, const CliCall& call) {
    TempDir dir;
    writeBytes(dir / "in", call.input);
    // A command that hangs (on a FIFO, say) is killed and shows as a failure, not a stuck test.
    std::string command = "env";
    for (const auto& variable : call.environment)
        command += " " + shellQuoted(variable);
    command += " timeout -k 5 60 " + shellQuoted(call.program.string());
    for (const auto& a : args)
        command += " " + shellQuoted(a);
    return runShell(command + " <" + shellQuoted((dir / "in").string()), call.cwd);
}

std::vector<std::string> listedSubcommands(const std::vector<std::string>& command) {
    std::vector<std::string> args = command;
    args.push_back("--help");
    std::istringstream help(runCli(args).out);
    std::vector<std::string> names;
    bool inList = false;
    for (std::string line; std::getline(help, line);) {
        if (line == "Subcommands:")
            inList = true;
        else if (inList && line.empty())
            break;
        else if (inList && line.rfind("  ", 0) == 0 && line.size() > 2 && line[2] != ' ')
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    return names;
}

} // namespace tavu::test
