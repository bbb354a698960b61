// Which data folder the window and tavu-cli use, and where the installed parts are found.
#include "cli_runner.h"
#include "folders/data_folder_choice.h"
#include "folders/install_layout.h"
#include "test_helpers.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;
using Kind = DataFolderChoice::Kind;

namespace {

UserFolders homeOnly(const fs::path& home) {
    UserFolders folders;
    folders.home = home.string();
    return folders;
}

// A prefix laid out as an install is: bin/ with the program, share/tavu/system beside it.
struct Prefix {
    TempDir root;
    fs::path bin = root / "bin";
    fs::path installedSet = root / "share" / "tavu" / "system";
    Prefix() {
        fs::create_directories(bin);
        fs::create_directories(installedSet);
    }
};

// The choice as an unprivileged user makes it: root may write anywhere, so a read-only
// folder means nothing to it. Nothing is reported when no such user can be had.
std::optional<Kind> kindAsNobody(const fs::path& executable, const UserFolders& folders) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        char kind = static_cast<char>(chooseDataFolder({}, executable, folders).kind);
        ::_exit(::write(pipeFds[1], &kind, 1) == 1 ? 0 : 1);
    }
    ::close(pipeFds[1]);
    char kind = 0;
    const bool read = ::read(pipeFds[0], &kind, 1) == 1;
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!read)
        return std::nullopt;
    return static_cast<Kind>(kind);
}

} // namespace

TEST(DataFolderChoice, AGivenFolderWinsOverEverything) {
    Prefix prefix;
    fs::create_directories(prefix.bin / "system");
    auto choice = chooseDataFolder("/somewhere/system", prefix.bin / "tavu", homeOnly(prefix.root / "home"));
    EXPECT_EQ(choice.kind, Kind::Given);
    EXPECT_EQ(choice.systemDir, "/somewhere/system");
}

TEST(DataFolderChoice, AWritableFolderBesideTheProgramIsUsedInPlace) {
    Prefix prefix;
    fs::create_directories(prefix.bin / "system");
    auto choice = chooseDataFolder({}, prefix.bin / "tavu", homeOnly(prefix.root / "home"));
    EXPECT_EQ(choice.kind, Kind::Portable);
    EXPECT_EQ(choice.systemDir, prefix.bin / "system");
}

TEST(DataFolderChoice, AnInstalledProgramUsesTheUsersDataFolder) {
    Prefix prefix;
    UserFolders folders = homeOnly(prefix.root / "home");
    auto choice = chooseDataFolder({}, prefix.bin / "tavu", folders);
    EXPECT_EQ(choice.kind, Kind::User);
    EXPECT_EQ(choice.systemDir, prefix.root / "home/.local/share/tavu/system");
    EXPECT_EQ(choice.installedSet, prefix.installedSet);

    folders.dataHome = (prefix.root / "xdg").string();
    EXPECT_EQ(chooseDataFolder({}, prefix.bin / "tavu", folders).systemDir, prefix.root / "xdg/tavu/system");
    folders.dataHome = "relative/data"; // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(chooseDataFolder({}, prefix.bin / "tavu", folders).systemDir,
              prefix.root / "home/.local/share/tavu/system");
    folders.home.clear();
    EXPECT_TRUE(chooseDataFolder({}, prefix.bin / "tavu", folders).systemDir.empty());
}

TEST(DataFolderChoice, AReadOnlyFolderBesideTheProgramIsCopiedNotWritten) {
    Prefix prefix;
    fs::create_directories(prefix.bin / "system");
    fs::permissions(prefix.root.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    fs::permissions(prefix.bin, fs::perms::all, fs::perm_options::remove);
    fs::permissions(prefix.bin, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::permissions(prefix.bin / "system", fs::perms::owner_read | fs::perms::owner_exec |
                                               fs::perms::others_read | fs::perms::others_exec);
    auto kind = kindAsNobody(prefix.bin / "tavu", homeOnly(prefix.root / "home"));
    fs::permissions(prefix.bin, fs::perms::owner_all);
    fs::permissions(prefix.bin / "system", fs::perms::owner_all);
    if (!kind)
        GTEST_SKIP() << "no unprivileged user to try it as";
    EXPECT_EQ(*kind, Kind::User);
    EXPECT_EQ(installedDataSet(prefix.bin), prefix.bin / "system");
}

TEST(DataFolderChoice, InstalledPartsAreFoundBesideTheProgramFirst) {
    Prefix prefix;
    EXPECT_EQ(installedDataSet(prefix.bin), prefix.installedSet);
    EXPECT_EQ(helpDir(prefix.bin), prefix.root / "share/tavu/help");
    EXPECT_EQ(httpModuleDir(prefix.bin).parent_path().filename(), "lib");
    fs::create_directories(prefix.bin / "help");
    writeBytes(prefix.bin / "help" / "index.html", "<html></html>");
    EXPECT_EQ(helpDir(prefix.bin), prefix.bin / "help");
}

TEST(DataFolderChoice, TheUsersFoldersFollowTheXdgRules) {
    UserFolders folders = homeOnly("/home/u");
    EXPECT_EQ(folders.configDir(), "/home/u/.config/tavu");
    EXPECT_EQ(preferencesFile(folders), "/home/u/.config/tavu/tavu.conf");
    EXPECT_EQ(folders.instanceLockDir(), "/home/u/.cache/tavu");
    folders.runtimeDir = "/run/user/1000";
    folders.configHome = "/cfg";
    EXPECT_EQ(folders.instanceLockDir(), "/run/user/1000");
    EXPECT_EQ(folders.configDir(), "/cfg/tavu");
}

// tavu-cli placed in a prefix as installed, run with a home of its own.
TEST(DataFolderChoice, TheCommandLineMakesTheUsersFolderAndSaysWhere) {
    Prefix prefix;
    fs::copy_file(TAVU_CLI, prefix.bin / "tavu-cli");
    fs::remove(prefix.installedSet);
    fs::copy(TAVU_SYSTEM_DIR, prefix.installedSet, fs::copy_options::recursive);
    CliCall installed;
    installed.program = prefix.bin / "tavu-cli";
    installed.environment = {"HOME=" + (prefix.root / "home").string(), "XDG_DATA_HOME="};
    const fs::path user = prefix.root / "home/.local/share/tavu/system";

    CliRun where = runCli({"where"}, installed);
    EXPECT_EQ(where.exitCode, 0) << where.err;
    EXPECT_TRUE(where.out.starts_with(user.string() + "\n")) << where.out;
    EXPECT_NE(where.out.find(prefix.installedSet.string()), std::string::npos) << where.out;
    EXPECT_FALSE(fs::exists(user)); // where only tells

    CliRun draw = runCli({"--seed", "12345", "creature", "multiple", "--count", "30"}, installed);
    EXPECT_EQ(draw.exitCode, 0) << draw.err;
    EXPECT_TRUE(fs::exists(user / "system.tri"));
    CliRun same = runCli({"--system", prefix.installedSet.string(), "--seed", "12345", "creature", "multiple",
                          "--count", "30"});
    EXPECT_EQ(draw.out, same.out); // the user's copy draws exactly as the installed set

    CliRun portable = runCli({"where"});
    EXPECT_EQ(portable.exitCode, 0);
    EXPECT_TRUE(portable.out.starts_with((fs::path(TAVU_SYSTEM_DIR)).string() + "\n")) << portable.out;
}
