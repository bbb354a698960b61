// docs/command-line.md stays true: every example in it runs as written and prints what the
// page shows, and every option the program takes is described there.
#include "cli_runner.h"
#include "dataset/data_build.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace tavu {

namespace fs = std::filesystem;

namespace {

struct Example {
    std::string command;
    std::string shown; // what the page shows after it, up to the next command
};

// The commands of the page's ```console blocks with the lines shown after each.
std::vector<Example> examplesOf(const std::string& markdown) {
    std::vector<Example> examples;
    std::istringstream in(markdown);
    bool inBlock = false;
    for (std::string line; std::getline(in, line);) {
        if (!inBlock) {
            inBlock = line == "```console";
        } else if (line == "```") {
            inBlock = false;
        } else if (line.rfind("$ ", 0) == 0) {
            examples.push_back({line.substr(2), {}});
        } else if (!examples.empty()) {
            examples.back().shown += line + "\n";
        }
    }
    return examples;
}

// Trailing blanks cannot be seen on the page, nor blank lines at the end; and the moment a
// draw was recorded is never the same twice.
std::string asSeen(const std::string& text) {
    static const std::regex moment("[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z");
    std::istringstream in(text);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        line = std::regex_replace(line, moment, "TIME");
        line.erase(line.find_last_not_of(" \r") + 1);
        out += line + "\n";
    }
    while (out.size() >= 2 && out.compare(out.size() - 2, 2, "\n\n") == 0)
        out.pop_back();
    return out == "\n" ? std::string() : out;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The folder the examples were run in: the program with the bundled set beside it.
fs::path unpackedProgram(const fs::path& dir) {
    const fs::path folder = dir / "tavu";
    fs::create_directories(folder);
    fs::copy_file(TAVU_CLI, folder / "tavu-cli");
    writeDataFolder(buildDataFiles(TAVU_DATA_SOURCES), folder / "system");
    return folder;
}

// Every long option a command's help lists, and those of the commands under it.
void collectOptions(const std::vector<std::string>& command, std::set<std::string>& options) {
    std::vector<std::string> args = command;
    args.push_back("--help");
    const std::string help = test::runCli(args).out;
    const std::regex option("--[a-z][a-z-]*");
    for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it)
        options.insert(it->str());
    for (const auto& sub : test::listedSubcommands(command)) {
        std::vector<std::string> deeper = command;
        deeper.push_back(sub);
        collectOptions(deeper, options);
    }
}

} // namespace

TEST(CommandLineDoc, EveryExampleRunsAsShown) {
    const auto examples = examplesOf(test::readBytes(TAVU_COMMAND_LINE_DOC));
    ASSERT_GE(examples.size(), 10u) << "the examples are no longer found";
    test::TempDir dir;
    const fs::path folder = unpackedProgram(dir.path());
    for (const auto& example : examples) {
        // As on a terminal: stderr and stdout in the order they were written.
        const auto run = test::runShell("exec 2>&1; " + example.command, folder);
        EXPECT_EQ(run.exitCode, 0) << example.command << "\n" << run.out;
        EXPECT_EQ(asSeen(replaceAll(run.out, folder.string(), "~/tavu")), asSeen(example.shown))
            << example.command;
    }
}

TEST(CommandLineDoc, DescribesEveryOption) {
    std::set<std::string> options;
    collectOptions({}, options);
    ASSERT_GT(options.size(), 20u);
    const std::string doc = test::readBytes(TAVU_COMMAND_LINE_DOC);
    for (const auto& option : options)
        EXPECT_TRUE(std::regex_search(doc, std::regex(option + "(?![a-z-])"))) << option;
}

} // namespace tavu
