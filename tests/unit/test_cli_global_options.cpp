#include "cli_runner.h"
#include "draw_code_support.h"
#include "fixture_system.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <set>

namespace tavu {

using test::runCli;

namespace {

using Args = std::vector<std::string>;

// One way to run each command: its name (one or two words) and options of its own.
struct CommandCase {
    Args name;
    Args own;
};

Args joined(std::initializer_list<Args> parts) {
    Args all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

// Global options mean the same wherever they stand: before the command, after it, or between
// the two words of a draw. A command that refused them after its name would exit 2.
TEST(CliGlobalOptions, AcceptedOnEitherSideOfEveryCommand) {
    test::TempDir dir;
    const std::string system = test::writeFixtureSystem(dir.path()).string();
    const std::string site = (dir / "site").string();
    // A code drawn here with the same seed, and a result file that ends with it.
    const auto drawn = runCli({"--system", system, "--seed", "7", "--sjis", "--footer", "spell", "single"});
    const std::string result = (dir / "result.txt").string();
    test::writeBytes(result, drawn.out);
    const std::vector<CommandCase> cases = {
        {{"verify"}, {}},
        {{"creature", "single"}, {"--rarities", "N,S"}},
        {{"creature", "multiple"}, {"--count", "3"}},
        {{"item", "single"}, {}},
        {{"item", "multiple"}, {"--count", "3"}},
        {{"spell", "single"}, {}},
        {{"spell", "multiple"}, {"--random-count"}},
        {{"book"}, {"--fully-random"}},
        {{"map"}, {"--map", "0", "--sudden-death", "1"}},
        {{"cpu"}, {}},
        {{"replay"}, {test::printedCode(drawn.err)}},
        {{"check"}, {result}},
        {{"publish"}, {"--out", site}},
        // Nothing listens on the discard port: the check fails the same way each time.
        {{"update"}, {"--no-wait", "--url", "http://127.0.0.1:9/tavuds/system_file/"}},
        {{"where"}, {}},
        {{"history"}, {"--limit", "3", "--history", (dir / "history.sqlite3").string()}},
    };
    std::set<std::string> covered;
    for (const auto& c : cases)
        covered.insert(c.name.front());
    const auto listed = test::listedSubcommands();
    EXPECT_EQ(covered, std::set<std::string>(listed.begin(), listed.end()));

    const Args globals = {"--system", system, "--seed", "7", "--sjis", "--footer", "--fields"};
    for (const auto& c : cases) {
        const std::string title = c.name.front() + (c.name.size() > 1 ? " " + c.name.back() : "");
        const auto before = runCli(joined({globals, c.name, c.own}));
        EXPECT_NE(before.exitCode, 2) << title << ": " << before.err;
        std::vector<Args> elsewhere = {joined({c.name, c.own, globals}), joined({c.name, globals, c.own})};
        if (c.name.size() == 2)
            elsewhere.push_back(joined({{c.name.front()}, globals, {c.name.back()}, c.own}));
        for (const auto& args : elsewhere) {
            const auto run = runCli(args);
            EXPECT_EQ(run.exitCode, before.exitCode) << title << ": " << run.err;
            EXPECT_EQ(run.out, before.out) << title;
            EXPECT_EQ(run.err, before.err) << title;
        }
    }
}

} // namespace tavu
