// A small writer of the history for scripts/history_crash.sh, which kills it with SIGKILL:
//   tavu_history_writer record FILE SEED   records bursts of draws until killed, printing
//                                          each id that was recorded on its own line
//   tavu_history_writer check FILE IDS     prints "sound lost torn" for FILE against the
//                                          ids in the file IDS; exits 1 unless all is well
#include "history_crash_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fcntl.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    std::string mode = argc == 4 ? argv[1] : "";
    if (mode == "record")
        tavu::test::recordUntilKilled(argv[2], STDOUT_FILENO,
                                      static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    if (mode != "check") {
        std::fprintf(stderr, "usage: %s record FILE SEED | check FILE IDS\n", argv[0]);
        return 2;
    }
    int ids = ::open(argv[3], O_RDONLY);
    if (ids < 0) {
        std::perror(argv[3]);
        return 2;
    }
    tavu::test::AfterKill after;
    try {
        after = tavu::test::checkAfterKill(argv[2], tavu::test::readIds(ids));
    } catch (const std::exception& error) { // SQLite would not read it at all
        std::fprintf(stderr, "%s\n", error.what());
        after.sound = false;
    }
    ::close(ids);
    std::printf("%d %d %d\n", after.sound ? 1 : 0, after.lost, after.torn);
    return after.sound && after.lost == 0 && after.torn == 0 ? 0 : 1;
}
