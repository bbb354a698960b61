// tavu-cli keeps draws in the history only with --record, lists and clears it with
// `history`, and never lets a history that cannot be used fail a draw.
#include "cli_runner.h"
#include "draw_code_support.h"
#include "fixture_system.h"
#include "history_fixture.h"
#include "test_helpers.h"
#include "text_readers.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace tavu {

using test::linesOf;

namespace fs = std::filesystem;

namespace {

using Args = std::vector<std::string>;

// A data folder and a user data folder of the test's own; every run is kept out of the
// user's real folders.
class CliHistory : public testing::Test {
protected:
    CliHistory()
        : system_(test::writeFixtureSystem(dir_.path()).string()) {
        fs::create_directories(dir_ / "data");
    }

    test::CliRun run(Args args) const {
        args.insert(args.begin(), {"--system", system_});
        test::CliCall call;
        call.environment = {"XDG_DATA_HOME=" + (dir_ / "data").string(),
                            "XDG_CONFIG_HOME=" + (dir_ / "config").string()};
        return test::runCli(args, call);
    }
    // A recorded draw; returns its code.
    std::string draw(const fs::path& file, const std::string& seed) const {
        auto drawn = run({"--record", "--history", file.string(), "--seed", seed, "spell", "multiple"});
        EXPECT_EQ(drawn.exitCode, 0) << drawn.err;
        return test::printedCode(drawn.err);
    }
    std::vector<std::string> codesIn(const fs::path& file) const {
        return test::queryColumn(file, "SELECT code FROM draws ORDER BY id");
    }
    fs::path defaultFile() const { return dir_ / "data" / "tavu" / "history.sqlite3"; }

    test::TempDir dir_;
    std::string system_;
};

} // namespace

TEST_F(CliHistory, RecordsOnlyWhenAskedIntoTheFileNamed) {
    const Args drawArgs = {"--seed", "3", "creature", "multiple", "--count", "5"};
    const auto plain = run(drawArgs);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_FALSE(fs::exists(dir_ / "data" / "tavu")) << "a draw without --record wrote a history";

    // The global options on either side of the command; the output does not change.
    Args recorded = drawArgs;
    recorded.insert(recorded.begin() + 2, "--record");
    const auto inDefault = run(recorded);
    EXPECT_EQ(inDefault.exitCode, 0);
    EXPECT_EQ(inDefault.out, plain.out);
    EXPECT_EQ(inDefault.err, plain.err);
    const std::string code = test::printedCode(plain.err);
    EXPECT_EQ(codesIn(defaultFile()), std::vector<std::string>{code});

    const fs::path other = dir_ / "elsewhere" / "mine.sqlite3";
    recorded.insert(recorded.end(), {"--history", other.string()});
    EXPECT_EQ(run(recorded).out, plain.out);
    EXPECT_EQ(codesIn(other), std::vector<std::string>{code});
    EXPECT_EQ(codesIn(defaultFile()).size(), 1u);

    // What is kept is the result as the page shows it, in UTF-8.
    auto rows = test::parseJson(run({"--history", other.string(), "history", "--json"}).out);
    ASSERT_TRUE(rows && rows->items.size() == 1);
    EXPECT_EQ(rows->items[0]["lines"].strings(), linesOf(plain.out));
    EXPECT_EQ(rows->items[0]["command"].text, "creature-multiple");

    // A draw that ends with a warning drew nothing to keep.
    EXPECT_EQ(run({"--record", "creature", "multiple", "--rarities", "E", "--count", "50"}).exitCode, 3);
    EXPECT_EQ(codesIn(defaultFile()).size(), 1u);
}

TEST_F(CliHistory, ListsNewestFirstInEveryFormatAndHonoursTheLimit) {
    const fs::path file = dir_ / "h.sqlite3";
    std::vector<std::string> codes;
    for (const char* seed : {"1", "2", "3"})
        codes.insert(codes.begin(), draw(file, seed));
    const Args history = {"--history", file.string(), "history"};

    const auto text = run(history);
    EXPECT_EQ(text.exitCode, 0) << text.err;
    std::vector<std::string> headers;
    for (const auto& line : linesOf(text.out)) {
        if (!line.empty() && line[0] != ' ')
            headers.push_back(line.substr(line.rfind(' ') + 1));
        else if (!line.empty() && line.rfind("    ", 0) != 0)
            ADD_FAILURE() << "not indented: " << line;
    }
    EXPECT_EQ(headers, codes);

    auto json = test::parseJson(run({"history", "--history", file.string(), "--limit", "2", "--json"}).out);
    ASSERT_TRUE(json);
    ASSERT_EQ(json->items.size(), 2u);
    EXPECT_EQ(json->items[0]["code"].text, codes[0]);
    EXPECT_EQ(json->items[1]["code"].text, codes[1]);

    auto csv = test::parseCsv(run({"--history", file.string(), "--format", "csv", "history"}).out);
    ASSERT_TRUE(csv);
    ASSERT_EQ(csv->size(), 4u);
    EXPECT_EQ((*csv)[3][3], codes[2]);
    EXPECT_EQ(run({"--history", file.string(), "history", "--json", "--csv"}).exitCode, 2);
    EXPECT_EQ(run({"--history", file.string(), "history", "--limit", "0"}).exitCode, 2);

    // A history never made lists as empty, and looking does not make it.
    const fs::path none = dir_ / "none.sqlite3";
    const auto empty = run({"--history", none.string(), "history", "--json"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(test::parseJson(empty.out)->items.size(), 0u);
    EXPECT_FALSE(fs::exists(none));
}

TEST_F(CliHistory, ClearsOnlyWithYes) {
    const fs::path file = dir_ / "h.sqlite3";
    draw(file, "1");
    draw(file, "2");
    const auto asked = run({"--history", file.string(), "history", "--clear"});
    EXPECT_EQ(asked.exitCode, 2);
    EXPECT_NE(asked.err.find("--yes"), std::string::npos) << asked.err;
    EXPECT_EQ(codesIn(file).size(), 2u);
    EXPECT_EQ(run({"--history", file.string(), "history", "--yes"}).exitCode, 2) << "--yes alone cleared";
    EXPECT_EQ(codesIn(file).size(), 2u);

    const auto cleared = run({"--history", file.string(), "history", "--clear", "--yes"});
    EXPECT_EQ(cleared.exitCode, 0) << cleared.err;
    EXPECT_TRUE(codesIn(file).empty());
    draw(file, "3");
    EXPECT_EQ(codesIn(file).size(), 1u);
}

// Each damage leaves the draw's output and status as they were, tells once on stderr, and
// where the file could be moved aside the draw is in a new history.
TEST_F(CliHistory, DamagedHistoryNeverFailsTheDraw) {
    const Args drawArgs = {"--seed", "9", "creature", "multiple", "--count", "40"};
    const auto plain = run(drawArgs);
    ASSERT_EQ(plain.exitCode, 0);
    struct Damage {
        const char* name;
        std::function<void(const fs::path&)> make;
    };
    const std::vector<Damage> damages = {
        {"truncated",
         [](const fs::path& f) {
             test::makeHistory(f, 200);
             fs::resize_file(f, fs::file_size(f) / 3);
         }},
        {"random bytes",
         [](const fs::path& f) {
             std::string bytes(40000, '\0');
             for (std::size_t i = 0; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
             test::writeBytes(f, bytes);
         }},
        {"a folder",
         [](const fs::path& f) {
             fs::create_directories(f / "inside");
         }},
    };
    for (const auto& damage : damages) {
        const fs::path file = dir_ / damage.name / "history.sqlite3";
        fs::create_directories(file.parent_path());
        damage.make(file);
        Args args = drawArgs;
        args.insert(args.end(), {"--record", "--history", file.string()});
        const auto drawn = run(args);
        EXPECT_EQ(drawn.exitCode, 0) << damage.name;
        EXPECT_EQ(drawn.out, plain.out) << damage.name;
        ASSERT_EQ(drawn.err.rfind(plain.err, 0), 0u) << damage.name << drawn.err;
        const std::string told = drawn.err.substr(plain.err.size());
        EXPECT_NE(told.find(file.string()), std::string::npos) << damage.name << told;
        EXPECT_EQ(linesOf(told).size(), 1u) << damage.name << told;
        EXPECT_EQ(codesIn(file), std::vector<std::string>{test::printedCode(plain.err)}) << damage.name;
        EXPECT_EQ(test::filesNamedWith(file.parent_path(), ".sqlite3.").size(), 1u) << damage.name;
    }
}

// Mode 000 stops only a user without rights; root opens such a file all the same, so the run
// is made as nobody.
TEST_F(CliHistory, UnreadableHistoryNeverFailsTheDraw) {
    const fs::path folder = dir_ / "locked";
    const fs::path file = folder / "history.sqlite3";
    fs::create_directories(folder);
    test::makeHistory(file, 3);
    fs::permissions(file, fs::perms::none);
    fs::permissions(folder, fs::perms::all);
    std::string prefix;
    if (geteuid() == 0) {
        if (test::runShell("setpriv --reuid=65534 --regid=65534 --clear-groups true").exitCode != 0)
            GTEST_SKIP() << "cannot run as nobody here";
        prefix = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    const std::string draw = prefix + "env XDG_DATA_HOME=" + test::shellQuoted((dir_ / "data").string()) +
                             " " + test::shellQuoted(TAVU_CLI) + " --system " + test::shellQuoted(system_) +
                             " --seed 4 spell single";
    const auto plain = test::runShell(draw);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const auto drawn = test::runShell(draw + " --record --history " + test::shellQuoted(file.string()));
    EXPECT_EQ(drawn.exitCode, 0);
    EXPECT_EQ(drawn.out, plain.out);
    ASSERT_EQ(drawn.err.rfind(plain.err, 0), 0u) << drawn.err;
    EXPECT_NE(drawn.err.find(file.string(), plain.err.size()), std::string::npos) << drawn.err;
}

TEST_F(CliHistory, TwoProgramsRecordingAtOnceAreBothKept) {
    const fs::path file = dir_ / "shared.sqlite3";
    std::string loops;
    for (const char* family : {"creature", "item"})
        loops += "(for s in 1 2 3 4 5 6; do XDG_DATA_HOME=" + test::shellQuoted((dir_ / "data").string()) +
                 " " + test::shellQuoted(TAVU_CLI) + " --system " + test::shellQuoted(system_) +
                 " --record --history " + test::shellQuoted(file.string()) + " --seed $s " + family +
                 " multiple --count 30 >/dev/null || echo failed; done) & ";
    const auto both = test::runShell(loops + "wait");
    EXPECT_EQ(both.out, "");
    EXPECT_EQ(linesOf(both.err).size(), 24u) << both.err; // a seed and a code line a draw, nothing more
    const auto codes = codesIn(file);
    EXPECT_EQ(codes.size(), 12u);
    for (const auto& line : linesOf(both.err)) {
        if (line.rfind("code ", 0) == 0 &&
            std::find(codes.begin(), codes.end(), line.substr(5)) == codes.end())
            ADD_FAILURE() << "not recorded: " << line;
    }
}

} // namespace tavu
