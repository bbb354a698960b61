#include "cli_runner.h"
#include "draw_code_support.h"
#include "fixture_system.h"
#include "test_helpers.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace tavu {

using test::runCli;

namespace {

using Args = std::vector<std::string>;

int pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// A comma-separated choice of `names`, never empty.
std::string someOf(std::mt19937& rng, const Args& names) {
    std::string list;
    while (list.empty())
        for (const auto& name : names)
            if (pick(rng, 0, 1))
                list += (list.empty() ? "" : ",") + name;
    return list;
}

void maybe(std::mt19937& rng, Args& args, const std::string& option, const std::string& value) {
    if (pick(rng, 0, 2)) {
        args.push_back(option);
        args.push_back(value);
    }
}

std::string pair(std::mt19937& rng, int low, int high) {
    return std::to_string(pick(rng, low, high)) + "," + std::to_string(pick(rng, low, high));
}

Args cardArgs(std::mt19937& rng, const std::string& family, bool single) {
    Args args{family, single ? "single" : "multiple"};
    if (family == "creature")
        maybe(rng, args, "--elements", someOf(rng, {"none", "fire", "water", "earth", "wind"}));
    if (family == "item")
        maybe(rng, args, "--kinds", someOf(rng, {"weapon", "armour", "item", "scroll"}));
    maybe(rng, args, "--rarities", someOf(rng, {"N", "S", "R", "E"}));
    if (single)
        maybe(rng, args, "--copies", std::to_string(pick(rng, 0, 4)));
    else
        maybe(rng, args, "--count", std::to_string(pick(rng, -3, 60)));
    if (!single && pick(rng, 0, 3) == 0)
        args.push_back("--random-count");
    return args;
}

Args bookArgs(std::mt19937& rng) {
    Args args{"book"};
    if (pick(rng, 0, 3) == 0) {
        args.push_back("--fully-random");
    } else if (pick(rng, 0, 2)) {
        int creatures = pick(rng, 0, 50);
        int items = pick(rng, 0, std::min(49, 50 - creatures));
        args.push_back("--counts");
        args.push_back(std::to_string(creatures) + "," + std::to_string(items) + "," +
                       std::to_string(50 - creatures - items));
    }
    if (pick(rng, 0, 1))
        args.push_back("--include-e");
    return args;
}

Args mapArgs(std::mt19937& rng) {
    Args args{"map"};
    while (args.size() == 1) {
        maybe(rng, args, "--map", std::to_string(pick(rng, 0, 6)));
        maybe(rng, args, "--land-element", std::to_string(pick(rng, 0, 3)));
        maybe(rng, args, "--land-level", std::to_string(pick(rng, 0, 2)));
        maybe(rng, args, "--magic", pair(rng, 4000, 91000));
        maybe(rng, args, "--sudden-death", std::to_string(pick(rng, 0, 2)));
    }
    maybe(rng, args, "--period", pair(rng, 25, 100));
    maybe(rng, args, "--time-limit", pair(rng, 5, 95));
    return args;
}

Args cpuArgs(std::mt19937& rng) {
    Args args{"cpu"};
    maybe(rng, args, "--count", std::to_string(pick(rng, 0, 3)));
    maybe(rng, args, "--elements", someOf(rng, {"none", "fire", "water", "earth", "wind"}));
    maybe(rng, args, "--allies", std::to_string(pick(rng, 0, 3)));
    return args;
}

Args drawArgs(std::mt19937& rng) {
    switch (pick(rng, 0, 8)) {
    case 0:
        return bookArgs(rng);
    case 1:
        return mapArgs(rng);
    case 2:
        return cpuArgs(rng);
    default:
        break;
    }
    static const Args families{"creature", "item", "spell"};
    return cardArgs(rng, families[static_cast<std::size_t>(pick(rng, 0, 2))], pick(rng, 0, 1) == 1);
}

Args outputOptions(std::mt19937& rng) {
    Args options;
    for (const char* option : {"--sjis", "--footer", "--fields"})
        if (pick(rng, 0, 2) == 0)
            options.push_back(option);
    return options;
}

// Random draws of every command with random options, then `replay` of each one's code with
// the same output options: the same stdout, stderr and status.
void expectReplaysAgree(const std::string& system, std::uint32_t rngSeed, int cases) {
    std::mt19937 rng(rngSeed);
    for (int i = 0; i < cases; ++i) {
        Args output = outputOptions(rng);
        Args args{"--system", system, "--seed", std::to_string(rng())};
        args.insert(args.end(), output.begin(), output.end());
        Args draw = drawArgs(rng);
        args.insert(args.end(), draw.begin(), draw.end());
        auto original = runCli(args);
        std::string code = test::printedCode(original.err);
        ASSERT_FALSE(code.empty()) << original.err;
        Args replay{"--system", system, "replay", code};
        replay.insert(replay.end(), output.begin(), output.end());
        auto again = runCli(replay);
        EXPECT_EQ(again.exitCode, original.exitCode) << code << "\n" << again.err;
        EXPECT_EQ(again.out, original.out) << code;
        EXPECT_EQ(again.err, original.err) << code;
    }
}

// 150 cases a shard in the ordinary run; TAVU_REPLAY_CASES asks for a longer one.
int casesPerShard() {
    const char* asked = std::getenv("TAVU_REPLAY_CASES");
    return asked ? std::max(1, std::atoi(asked)) : 150;
}

} // namespace

class CliReplay : public testing::TestWithParam<int> {};

// Shards of one long run, so that the test runner can spread them over its workers.
TEST_P(CliReplay, AgreesWithTheOriginalDrawOnTheBundledData) {
    expectReplaysAgree(TAVU_SYSTEM_DIR, 100 + static_cast<std::uint32_t>(GetParam()), casesPerShard());
}

TEST_P(CliReplay, AgreesWithTheOriginalDrawOnAnotherDataSet) {
    test::TempDir dir;
    expectReplaysAgree(test::writeFixtureSystem(dir.path()).string(),
                       200 + static_cast<std::uint32_t>(GetParam()), casesPerShard());
}

INSTANTIATE_TEST_SUITE_P(Shards, CliReplay, testing::Range(0, 2));

class CliCheck : public testing::Test {
protected:
    void SetUp() override {
        auto run = runCli({"--system", TAVU_SYSTEM_DIR, "--seed", "9", "--sjis", "--footer", "book"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        file_ = (dir_ / "book.txt").string();
        bytes_ = run.out;
        test::writeBytes(file_, bytes_);
    }
    test::CliRun check(const std::string& system = TAVU_SYSTEM_DIR) {
        return runCli({"--system", system, "check", file_});
    }

    test::TempDir dir_;
    std::string file_;
    std::string bytes_;
};

TEST_F(CliCheck, AnUntouchedFileMatchesAndEndsWithItsCode) {
    auto code = test::printedCode(runCli({"--system", TAVU_SYSTEM_DIR, "--seed", "9", "book"}).err);
    EXPECT_TRUE(bytes_.ends_with(test::sj("抽出コード: ") + code + "\r\n")) << code;
    auto run = check();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "一致しました\n");
}

TEST_F(CliCheck, AChangedLineIsNamedWithBothTexts) {
    std::string changed = bytes_;
    auto at = changed.find("\r\n", changed.find("\r\n") + 2); // the end of line 2
    changed.insert(at, "x");
    test::writeBytes(file_, changed);
    auto run = check();
    EXPECT_EQ(run.exitCode, 5);
    EXPECT_EQ(run.err.rfind("2 行目が違います\n", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("ファイル: "), std::string::npos);
    EXPECT_NE(run.err.find("抽出結果: "), std::string::npos);
}

TEST_F(CliCheck, OtherDataNoCodeAndNoFileEachHaveTheirStatus) {
    test::TempDir other;
    auto run = check(test::writeFixtureSystem(other.path()).string());
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_NE(run.err.find("版 100"), std::string::npos) << run.err;

    test::writeBytes(file_, bytes_.substr(0, bytes_.rfind(test::sj("抽出コード: "))));
    run = check();
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("抽出コードの行"), std::string::npos) << run.err;

    std::filesystem::remove(file_);
    EXPECT_EQ(check().exitCode, 2);
}

TEST(CliReplayRefusals, OtherDataDamagedCodesAndAnotherSeedAreRefused) {
    auto code = test::printedCode(runCli({"--system", TAVU_SYSTEM_DIR, "--seed", "9", "cpu"}).err);
    ASSERT_FALSE(code.empty());
    test::TempDir other;
    auto run = runCli({"--system", test::writeFixtureSystem(other.path()).string(), "replay", code});
    EXPECT_EQ(run.exitCode, 6);
    EXPECT_TRUE(run.out.empty());
    run = runCli({"--system", TAVU_SYSTEM_DIR, "replay", code.substr(0, code.size() - 1)});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("抽出コードが壊れています"), std::string::npos) << run.err;
    run = runCli({"--system", TAVU_SYSTEM_DIR, "--seed", "10", "replay", code});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(runCli({"--system", TAVU_SYSTEM_DIR, "--seed", "9", "replay", code}).exitCode, 0);
}

} // namespace tavu
