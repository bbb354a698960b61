#include "cli_runner.h"
#include "fixture_system.h"
#include "store/sjis_text.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::runCli;

class CliDraws : public ::testing::Test {
protected:
    void SetUp() override { system_ = test::writeFixtureSystem(dir_.path()).string(); }

    test::CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--system", system_});
        return runCli(args);
    }

    test::TempDir dir_;
    std::string system_;
};

TEST_F(CliDraws, SameSeedSameLinesAndTheSeedIsPrinted) {
    for (const char* family : {"creature", "item", "spell"}) {
        auto a = run({"--seed", "45296789", family, "multiple", "--random-count"});
        auto b = run({"--seed", "45296789", family, "multiple", "--random-count"});
        EXPECT_EQ(a.exitCode, 0) << a.err;
        EXPECT_FALSE(a.out.empty());
        EXPECT_EQ(a.out, b.out);
        EXPECT_EQ(a.err, b.err);
        EXPECT_EQ(a.err.rfind("seed 45296789\ncode tavu1." + std::string(family) + "-multiple.", 0), 0u)
            << a.err;
    }
    auto clock = run({"spell", "single"});
    EXPECT_EQ(clock.err.rfind("seed ", 0), 0u);
}

// From 45296789 Random(50) gives 24 then 13, so the two states lie in [0.48, 0.5) and
// [0.26, 0.28) of 2^32: Random(9) gives 4 and 2. Sorted, spells 2 and 4 of the list
// N0 N1 N2 S0 S1 …
TEST_F(CliDraws, SpellListPinnedToTheSeed) {
    auto r = run({"--seed", "45296789", "spell", "multiple", "--count", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "1  呪文N2            \n2  呪文S1            \n\nの 2枚を組み込んでブックを作成して下さい。\n");
}

TEST_F(CliDraws, SjisBytesWithCrLfAndTheFooter) {
    auto utf8 = run({"--seed", "7", "--footer", "item", "single", "--copies", "2"});
    auto bytes = run({"--seed", "7", "--footer", "--sjis", "item", "single", "--copies", "2"});
    ASSERT_EQ(bytes.exitCode, 0) << bytes.err;
    EXPECT_NE(utf8.out.find(std::string("枚 組み込んでブックを作成して下さい。\n-----\n") +
                            test::FixtureFooter + "\n"),
              std::string::npos);
    EXPECT_EQ(sjis::toUtf8(bytes.out), [&] {
        std::string crlf;
        for (char c : utf8.out)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return crlf;
    }());
}

TEST_F(CliDraws, FieldsOfASingleDraw) {
    auto r = run({"--seed", "1", "--fields", "creature", "single", "--elements", "fire", "--rarities", "E"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, " 火の獣E           \n  30\n  40\n  50\n  1\n  有り\n  E\n 通常   \n  1\n");
}

TEST_F(CliDraws, WarningsExitThree) {
    // Five E creatures cannot fill ten places.
    auto shortage = run({"--seed", "1", "creature", "multiple", "--rarities", "E", "--count", "10"});
    EXPECT_EQ(shortage.exitCode, 3);
    EXPECT_EQ(shortage.out, "");
    EXPECT_NE(shortage.err.find("抽出条件を正しく設定して下さい"), std::string::npos);
    // E-only armour leaves the item page's OK button disabled.
    auto disabled = run({"item", "single", "--kinds", "armour", "--rarities", "E"});
    EXPECT_EQ(disabled.exitCode, 3);
}

TEST_F(CliDraws, CountIsPutThroughTheSpinRange) {
    auto r = run({"--seed", "3", "item", "multiple", "--count", "60"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\n49 "), std::string::npos);
    EXPECT_NE(r.out.find("の 49枚を"), std::string::npos);
}

TEST_F(CliDraws, UsageErrorsExitTwo) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"creature", "single", "--elements", "lava"},
          {"spell", "single", "--copies", "5"},
          {"item", "multiple", "--elements", "fire"},
          {"creature"},
          {"--seed", "4294967296", "spell", "single"}}) {
        auto r = run(args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << r.err;
        EXPECT_FALSE(r.err.empty() && r.out.empty());
    }
}

TEST_F(CliDraws, UnreadableDataFolderExitsOneWithFileAndLine) {
    auto missing = runCli({"--system", (dir_ / "nowhere").string(), "spell", "single"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("system.tri"), std::string::npos);

    std::string name(18, ' ');
    test::writeBytes(std::filesystem::path(system_) / "RM_02.tri",
                     name + " 30 40 50 1 0  N  " + test::sj("火") + " 0\r\n" + name + " 3x 40 50 1 0  N\r\n");
    auto bad = run({"creature", "single"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("RM_02.tri:2:"), std::string::npos) << bad.err;
}

TEST_F(CliDraws, NeverChangesTheDataFolder) {
    auto settings = std::filesystem::path(system_) / "system.tri";
    std::string before = test::readBytes(settings);
    auto r = run({"--seed", "5", "spell", "multiple", "--random-count", "--rarities", "N,S"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(test::readBytes(settings), before);
}

TEST(CliHelp, DescribesEveryOption) {
    auto top = runCli({"--help"});
    EXPECT_EQ(top.exitCode, 0);
    for (const char* option :
         {"--system", "--seed", "--sjis", "--footer", "--fields", "creature", "item", "spell"})
        EXPECT_NE(top.out.find(option), std::string::npos) << option;
    auto multiple = runCli({"creature", "multiple", "--help"});
    EXPECT_EQ(multiple.exitCode, 0);
    for (const char* option : {"--elements", "--rarities", "--count", "--random-count"})
        EXPECT_NE(multiple.out.find(option), std::string::npos) << option;
    auto single = runCli({"item", "single", "--help"});
    for (const char* option : {"--kinds", "--rarities", "--copies"})
        EXPECT_NE(single.out.find(option), std::string::npos) << option;
}

} // namespace tavu
