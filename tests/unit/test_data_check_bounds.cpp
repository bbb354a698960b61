// The data check over hostile input: a report of bounded length, files refused unread above
// their size limit, and counts that stay right however many lines are faulty.
#include "dataset/data_build.h"
#include "dataset/data_check.h"
#include "store/cipher.h"
#include "store/settings.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavu {

namespace fs = std::filesystem;

namespace {

const DataFiles& bundledFiles() {
    static const DataFiles files = buildDataFiles(TAVU_DATA_SOURCES);
    return files;
}

std::vector<DataProblem> problemsOf(const std::vector<DataProblem>& all, const std::string& file) {
    std::vector<DataProblem> of;
    for (const auto& p : all)
        if (p.file == file)
            of.push_back(p);
    return of;
}

} // namespace

TEST(DataCheckBounds, AFloodOfFaultyLinesIsToldInPartThenCounted) {
    DataFiles files = bundledFiles();
    files["RM_07.tri"] = std::string(100000, '\n');
    auto problems = checkDataFiles(files);
    auto spells = problemsOf(problems, "RM_07.tri");
    ASSERT_EQ(spells.size(), static_cast<std::size_t>(MaxProblemsPerFile) + 1);
    EXPECT_EQ(spells.back().omitted, 100000 - MaxProblemsPerFile);
    EXPECT_NE(spells.back().message.find("ほかに 99950 件"), std::string::npos) << spells.back().message;
    // The line count still covers every line, so the settings line is reported right.
    bool countTold = false;
    for (const auto& p : problemsOf(problems, "system.tri"))
        countTold = countTold || p.message.find("実際は 100000 です") != std::string::npos;
    EXPECT_TRUE(countTold);
    EXPECT_EQ(countProblems(problems), problems.size() - 1 + static_cast<std::size_t>(spells.back().omitted));
}

TEST(DataCheckBounds, FilesAboveTheirLimitAreRefusedUnread) {
    for (const char* name : {"system.tri", "RM_01.tri", "RM_VS.tri", "Comment.tri", "Explanation_3.tri"}) {
        DataFiles files = bundledFiles();
        files[name] += std::string(systemFileSizeLimit(name) + 1 - files[name].size(), ' ');
        auto told = problemsOf(checkDataFiles(files), name);
        ASSERT_EQ(told.size(), 1u) << name;
        EXPECT_NE(told[0].message.find("大きすぎます"), std::string::npos) << told[0].message;
    }
}

// The shapes a file of the folder may take besides bytes: each is told by name and reason,
// and nothing waits on a FIFO.
TEST(DataCheckBounds, OddEntriesInTheFolderAreToldByNameAndReason) {
    test::TempDir dir;
    fs::path system = test::copyBundledSystem(dir.path());
    fs::remove(system / "RM_02.tri");
    fs::create_directory(system / "RM_02.tri");
    fs::remove(system / "RM_Map.tri");
    ASSERT_EQ(::mkfifo((system / "RM_Map.tri").c_str(), 0644), 0);
    fs::remove(system / "Comment.tri");
    fs::create_symlink("nowhere.tri", system / "Comment.tri");
    test::writeBytes(system / "RM_08.tri", std::string(systemFileSizeLimit("RM_08.tri") + 1, 'x'));
    auto problems = checkDataFolder(system);
    auto reason = [&](const std::string& file) {
        auto told = problemsOf(problems, file);
        return told.empty() ? std::string("(nothing)") : told.front().message;
    };
    EXPECT_NE(reason("RM_02.tri").find("フォルダ"), std::string::npos) << reason("RM_02.tri");
    EXPECT_NE(reason("RM_Map.tri").find("通常のファイルではありません"), std::string::npos)
        << reason("RM_Map.tri");
    EXPECT_NE(reason("Comment.tri").find("ありません"), std::string::npos) << reason("Comment.tri");
    EXPECT_NE(reason("RM_08.tri").find("大きすぎます"), std::string::npos) << reason("RM_08.tri");

    EXPECT_NE(checkDataFolder(system / "RM_01.tri").front().message.find("フォルダではありません"),
              std::string::npos);
}

} // namespace tavu
