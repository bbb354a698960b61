#include "crash_injection.h"
#include "output/result_file.h"
#include "store/data_error.h"
#include "store/field_reader.h"
#include "store/file_io.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

namespace fs = std::filesystem;
using test::readBytes;
using test::writeBytes;

TEST(ResultFile, SplitLinesAtEveryKindOfBreak) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(ResultFile, FooterFollowsTheLinesAndAnEmptyCommentAddsNothing) {
    test::TempDir dir;
    writeBytes(dir / "Comment.tri", "-----\r\n" + test::sj("不正防止") + "\r\n");
    OutputBuffer buffer{"x", ""};
    AppendCommentFooter(buffer, dir.path());
    EXPECT_EQ(buffer, (OutputBuffer{"x", "", "-----", test::sj("不正防止")}));
    EXPECT_EQ(resultFileBytes(buffer), "x\r\n\r\n-----\r\n" + test::sj("不正防止") + "\r\n");

    writeBytes(dir / "Comment.tri", "");
    OutputBuffer unchanged{"x"};
    AppendCommentFooter(unchanged, dir.path());
    EXPECT_EQ(unchanged, OutputBuffer{"x"});
}

TEST(ResultFile, MissingCommentFileIsAnError) {
    test::TempDir dir;
    OutputBuffer buffer{"x"};
    EXPECT_THROW(AppendCommentFooter(buffer, dir.path()), DataError);
}

TEST(ResultFile, ReplacesAnExistingFileWhole) {
    test::TempDir dir;
    writeBytes(dir / "out.txt", std::string(1000, 'o'));
    writeFileAtomically(dir / "out.txt", "new\r\n");
    EXPECT_EQ(readBytes(dir / "out.txt"), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(ResultFile, FailureLeavesNoFileAndNoLeftovers) {
    test::TempDir dir;
    EXPECT_THROW(writeFileAtomically(dir / "gone" / "out.txt", "x"), DataError);
    EXPECT_FALSE(fs::exists(dir / "gone"));

    // A folder under the chosen name cannot be replaced: it stays, and no temporary file
    // is left beside it.
    fs::create_directory(dir / "taken.txt");
    EXPECT_THROW(writeFileAtomically(dir / "taken.txt", "x"), DataError);
    EXPECT_TRUE(fs::is_directory(dir / "taken.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A crash anywhere in the write leaves the old result file or the new one, never a mix.
TEST(ResultFile, CrashAtAnyPointKeepsAWholeFile) {
    test::TempDir dir;
    const std::string oldBytes(300, 'o');
    const std::string newBytes(300, 'n');
    int broken = 0;
    int points = test::injectCrashAtEveryPoint([&] { writeBytes(dir / "out.txt", oldBytes); },
                                               [&] { writeFileAtomically(dir / "out.txt", newBytes); },
                                               [&] {
                                                   std::string now = readBytes(dir / "out.txt");
                                                   if (now != oldBytes && now != newBytes)
                                                       ++broken;
                                               });
    test::reportCrashFigures("result file", points, broken);
    EXPECT_GT(points, 3);
    EXPECT_EQ(broken, 0);
}

} // namespace tavu
