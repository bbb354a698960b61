#include "match_cli_fixture.h"

#include <gtest/gtest.h>

namespace tavu::test {

namespace {
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}

} // namespace

TEST(BookCli, DefaultCountsPrintTheFileBodyAndTheSeed) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 45296789, "book");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.rfind("seed 45296789\ncode tavu1.book.c=20-15-15.", 0), 0u) << run.err;
    auto out = lines(run.out);
    ASSERT_EQ(out.size(), 50u + 2 + 2);
    EXPECT_EQ(out[20], "");
    EXPECT_EQ(out[36], "");
    EXPECT_EQ(out[52], "");
    EXPECT_EQ(out[53], "の 50 枚をブック内に組み込んでブックを作成して下さい。");
    EXPECT_EQ(out[0].substr(0, 7), "1  竜0");
    EXPECT_EQ(runMatchCli(dir, 45296789, "book").out, run.out) << "the seed decides the book";
}

TEST(BookCli, FullyRandomPrintsFiftyFourLinesAndShiftJisOnRequest) {
    TempDir dir;
    writeMatchSystem(dir.path());
    auto run = runMatchCli(dir, 45296789, "--sjis --footer book --fully-random --include-e");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string crlf = "\r\n";
    EXPECT_NE(run.out.find(sj("の 50 枚をブック内に組み込んでブックを作成して下さい。") + crlf +
                           sj("記録用") + crlf),
              std::string::npos);
    std::size_t lineCount = 0;
    for (std::size_t at = 0; (at = run.out.find(crlf, at)) != std::string::npos; at += 2)
        ++lineCount;
    EXPECT_EQ(lineCount, 54u + 2 + 1 + 1) << "the book, the footer and the code line";
}

TEST(BookCli, CountsThatDoNotFillTheBookAreUsageErrors) {
    TempDir dir;
    writeMatchSystem(dir.path());
    for (const char* args : {"book --counts 20,15,14", "book --counts 0,50,0", "book --counts 20,15",
                             "book --counts 20,15,15 --fully-random"})
        EXPECT_EQ(runMatchCli(dir, 45296789, args).exitCode, 2) << args;
    EXPECT_EQ(runMatchCli(dir, 45296789, "book --counts 0,0,50").exitCode, 0);
}

TEST(BookCli, FamilyWithoutUsableCardsEndsWithItsMessage) {
    TempDir dir;
    auto system = writeMatchSystem(dir.path());
    writeBytes(system / "RM_06.tri", ""); // the settings still promise 3 items
    auto run = runMatchCli(dir, 45296789, "book");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("アイテムに使用できるカードがありません"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(BookCli, UnreadableDataFolderNamesTheFile) {
    TempDir dir;
    auto run = runMatchCli(dir, 45296789, "book");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("system.tri"), std::string::npos);
}

} // namespace tavu::test
