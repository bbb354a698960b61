// Whatever takes the place of a data file (a folder, a FIFO, a file that cannot be read, an
// empty file), the check and every draw end with a status and a message, never by a signal
// and never waiting.
#include "cli_runner.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tavu {

namespace fs = std::filesystem;

namespace {

enum class Odd { Folder, Fifo, Unreadable, Empty };

const char* nameOf(Odd odd) {
    switch (odd) {
    case Odd::Folder:
        return "folder";
    case Odd::Fifo:
        return "FIFO";
    case Odd::Unreadable:
        return "mode 000";
    case Odd::Empty:
        return "empty";
    }
    return "";
}

void replaceBy(const fs::path& file, Odd odd) {
    fs::remove(file);
    switch (odd) {
    case Odd::Folder:
        fs::create_directory(file);
        break;
    case Odd::Fifo:
        ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        break;
    case Odd::Unreadable:
        test::writeBytes(file, "x");
        fs::permissions(file, fs::perms::none);
        break;
    case Odd::Empty:
        test::writeBytes(file, "");
        break;
    }
}

const std::vector<std::vector<std::string>> commands = {
    {"verify"},
    {"--footer", "creature", "multiple", "--random-count"},
    {"item", "single"},
    {"spell", "multiple", "--count", "3"},
    {"book", "--fully-random"},
    {"map", "--map", "0"},
    {"cpu", "--count", "3"},
};

} // namespace

TEST(CliOddFiles, EveryFileReplacedByEveryOddKindEndsWithAStatusAndAMessage) {
    for (const std::string& name : requiredSystemFiles()) {
        for (Odd odd : {Odd::Folder, Odd::Fifo, Odd::Unreadable, Odd::Empty}) {
            test::TempDir dir;
            fs::path system = test::copyBundledSystem(dir.path());
            replaceBy(system / name, odd);
            for (auto args : commands) {
                args.insert(args.begin(), {"--seed", "1", "--system", system.string()});
                test::CliRun run = test::runCli(args);
                std::string what = name + " as " + nameOf(odd) + ": " + args[4];
                EXPECT_GE(run.exitCode, 0) << what;
                EXPECT_LE(run.exitCode, 4) << what << "\n" << run.err;
                if (run.exitCode != 0 && run.exitCode != 3) {
                    EXPECT_NE((run.out + run.err).find(name), std::string::npos) << what << "\n" << run.err;
                }
            }
        }
    }
}

} // namespace tavu
