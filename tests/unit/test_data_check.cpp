#include "dataset/data_build.h"
#include "dataset/data_check.h"
#include "draw/complete_book.h"
#include "startup/startup_files.h"
#include "store/cipher.h"
#include "store/random_source.h"
#include "store/settings.h"
#include "test_helpers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>

namespace tavu {

using test::sj;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Field;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

void PrintTo(const DataProblem& p, std::ostream* out) {
    *out << describe(p);
}

namespace {

const DataFiles& bundledFiles() {
    static const DataFiles files = buildDataFiles(TAVU_DATA_SOURCES);
    return files;
}

auto problemAt(const std::string& file, int line, const std::string& text) {
    return AllOf(Field(&DataProblem::file, file), Field(&DataProblem::line, line),
                 Field(&DataProblem::message, HasSubstr(text)));
}

std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        auto end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines)
        out += line + "\r\n";
    return out;
}

// The bundled files with line `line` (1-based) of `file` passed through `edit`.
DataFiles withLine(const std::string& file, int line, const std::function<void(std::string&)>& edit) {
    DataFiles files = bundledFiles();
    auto lines = splitCrLf(files.at(file));
    edit(lines.at(static_cast<std::size_t>(line - 1)));
    files[file] = joinCrLf(lines);
    return files;
}

DataFiles withSetting(int index, std::int32_t value) {
    DataFiles files = bundledFiles();
    SettingsArray s{};
    parseSettings(unlockBytes(files.at("system.tri"), SettingsKey)->plain, "system.tri", s);
    s[static_cast<std::size_t>(index)] = value;
    files["system.tri"] = lockBytes(formatSettings(s), SettingsKey, 0);
    return files;
}

// Overwrites bytes in place (the line keeps its length).
void replaceBytes(std::string& line, std::size_t at, std::string_view with) {
    ASSERT_LE(at + with.size(), line.size());
    std::copy(with.begin(), with.end(), line.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

TEST(DataCheck, BundledFolderAndFreshBuildAreClean) {
    EXPECT_THAT(checkDataFolder(TAVU_SYSTEM_DIR), ::testing::IsEmpty());
    EXPECT_THAT(checkDataFiles(bundledFiles()), ::testing::IsEmpty());
}

TEST(DataCheck, CountsDifferingFromTheFilesPointAtTheSettingsLine) {
    auto shared = checkDataFiles(withSetting(71, 31));
    for (const char* file : {"RM_02.tri", "RM_03.tri", "RM_04.tri", "RM_05.tri"})
        EXPECT_THAT(shared, Contains(problemAt("system.tri", 72, std::string(file) + " の行数")));
    EXPECT_EQ(shared.size(), 4u);

    EXPECT_THAT(checkDataFiles(withSetting(79, 9)), Contains(problemAt("system.tri", 80, "アイテムの数")));
    EXPECT_THAT(checkDataFiles(withSetting(70, 2000000000)),
                Contains(problemAt("system.tri", 71, "2000000000 ですが、実際は 20")));
}

TEST(DataCheck, MalformedLinesAreReportedWithFileAndLine) {
    struct Case {
        const char* file;
        int line;
        std::function<void(std::string&)> edit;
        const char* text;
    };
    const Case cases[] = {
        {"RM_03.tri", 5, [](std::string& l) { replaceBytes(l, l.find("  N"), "  X"); }, "レア度"},
        {"RM_03.tri", 6, [](std::string& l) { replaceBytes(l, l.rfind("  " + sj("水")), "  " + sj("火")); },
         "属性"},
        {"RM_01.tri", 2, [](std::string& l) { l.resize(26); }, "の数値がありません"},
        {"RM_01.tri", 3, [](std::string& l) { replaceBytes(l, 19, "x"); }, "数値として読めません"},
        {"RM_01.tri", 4, [](std::string& l) { l[17] = sj("無")[0]; }, "全角文字が切れています"},
        {"RM_06.tri", 7, [](std::string& l) { replaceBytes(l, l.find("  ", 20) - 1, "7"); }, "0〜3"},
        {"RM_07.tri", 2, [](std::string& l) { l += " 9"; }, "余分な文字"},
        {"RM_Map.tri", 3, [](std::string& l) { l[2] = '2'; }, "聖堂"},
        {"RM_VS.tri", 4, [](std::string& l) { l[l.size() - 1] = '5'; }, "0 か 1"},
        {"RM_08.tri", 9, [](std::string& l) { l.clear(); }, "空の行"},
        {"RM_02.tri", 1, [](std::string& l) { l[0] = '\xA0'; }, "Shift-JIS"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(checkDataFiles(withLine(c.file, c.line, c.edit)),
                    Contains(problemAt(c.file, c.line, c.text)))
            << c.file << ":" << c.line << " " << c.text;
}

TEST(DataCheck, CardListOutOfStepWithTheFamilies) {
    DataFiles swapped = bundledFiles();
    auto lines = splitCrLf(swapped.at("RM_08.tri"));
    std::swap(lines[2], lines[3]);
    swapped["RM_08.tri"] = joinCrLf(lines);
    auto problems = checkDataFiles(swapped);
    EXPECT_THAT(problems, Contains(problemAt("RM_08.tri", 3, "並び")));
    EXPECT_THAT(problems, Contains(problemAt("RM_08.tri", 4, "並び")));

    auto flipped = withLine("RM_08.tri", 1, [](std::string& l) { l.back() = l.back() == '0' ? '1' : '0'; });
    EXPECT_THAT(checkDataFiles(flipped), Contains(problemAt("RM_08.tri", 1, "E カード")));

    DataFiles shorter = bundledFiles();
    lines = splitCrLf(shorter.at("RM_08.tri"));
    lines.pop_back();
    shorter["RM_08.tri"] = joinCrLf(lines);
    problems = checkDataFiles(shorter);
    EXPECT_THAT(problems, Contains(problemAt("RM_08.tri", 0, "1 枚足りません")));
    EXPECT_THAT(problems, Contains(problemAt("system.tri", 75, "RM_08.tri の行数")));
}

TEST(DataCheck, MissingAndUnreadableFiles) {
    test::TempDir dir;
    fs::path system = test::copyBundledSystem(dir.path());
    fs::remove(system / "RM_07.tri");
    fs::remove(system / "Explanation_5.tri");
    auto problems = checkDataFolder(system);
    EXPECT_THAT(problems, Contains(problemAt("RM_07.tri", 0, "ファイルがありません")));
    EXPECT_THAT(problems, Contains(problemAt("Explanation_5.tri", 0, "ファイルがありません")));
    EXPECT_EQ(problems.size(), 2u) << "nothing else follows from a missing file";

    EXPECT_THAT(checkDataFolder(dir / "nowhere"),
                Contains(problemAt((dir / "nowhere").string(), 0, "フォルダ")));

    DataFiles foreignKey = bundledFiles();
    foreignKey["system.tri"] = lockBytes("1\r\n", "ZZZZ", 0);
    EXPECT_THAT(checkDataFiles(foreignKey), Contains(problemAt("system.tri", 1, "")));
}

TEST(DataCheck, ElementPlayedByTooFewOpponentsWouldHangTheDraw) {
    DataFiles files = bundledFiles();
    auto lines = splitCrLf(files.at("RM_VS.tri"));
    int keep = 2;
    for (auto& line : lines)
        if (line.back() == '1' && keep-- <= 0)
            line.back() = '0'; // the last flag is wind
    files["RM_VS.tri"] = joinCrLf(lines);
    EXPECT_THAT(checkDataFiles(files), Contains(problemAt("RM_VS.tri", 0, "「風」を使う対戦相手が 2 人")));
}

// The check stands between a download and the swap: whatever it lets through, start-up must
// read whole and the draws must run on. Mutations mostly make the set fail the check; those
// it passes (a changed name, a flipped flag the rules allow) are the ones that matter here.
TEST(DataCheck, WhatPassesTheCheckStartsAndDraws) {
    std::mt19937 random(12345);
    int passed = 0;
    for (const char* name : {"RM_01.tri", "RM_06.tri", "RM_07.tri", "RM_08.tri", "RM_Map.tri", "RM_VS.tri",
                             "system.tri", "Comment.tri"}) {
        const std::string& original = bundledFiles().at(name);
        for (int round = 0; round < 40; ++round) {
            DataFiles files = bundledFiles();
            std::string& bytes = files[name];
            if (round % 4 == 0)
                bytes.resize(random() % (original.size() + 1));
            for (int flips = 1 + round % 2; flips > 0 && !bytes.empty(); --flips)
                bytes[random() % bytes.size()] = static_cast<char>(random());
            if (!checkDataFiles(files).empty())
                continue;
            ++passed;
            test::TempDir dir;
            writeDataFolder(files, dir / "system");
            StartupFiles read = readStartupFiles(dir / "system");
            ASSERT_EQ(read.reached, StartupFiles::Reached::TablesRead) << name << ": " << read.error;
            RandomSource draws;
            EXPECT_NO_THROW(book::drawCompleteBook(read.tables, {}, draws)) << name;
        }
    }
    EXPECT_GT(passed, 20); // else the mutations no longer reach what they are here for
}

TEST(DataCheck, VerifyCommandPrintsFileAndLineAndExitsOneOnProblems) {
    auto run = [](const fs::path& system) {
        std::string command =
            std::string(TAVU_CLI) + " verify --system '" + system.string() + "' 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char buffer[512];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        int status = pclose(pipe);
        return std::pair{WEXITSTATUS(status), out};
    };
    EXPECT_EQ(run(TAVU_SYSTEM_DIR), (std::pair{0, std::string()}));

    test::TempDir dir;
    fs::path system = test::copyBundledSystem(dir.path());
    SettingsArray s = readSettingsReadOnly(system / "system.tri");
    s[73] = 49;
    SaveSettings(system / "system.tri", s);
    auto [code, out] = run(system);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(out, "system.tri:74: エントリ 73 (RM_07.tri の行数) は 49 ですが、実際は 50 です\n");
}

} // namespace tavu
