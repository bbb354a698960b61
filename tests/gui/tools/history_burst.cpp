// Another program recording draws into a history while a test's window does too:
//   tavu_history_burst FILE COUNT   records COUNT draws in FILE through the core, one
//                                   transaction each; exits 1 unless every one was recorded.
#include "history/history.h"
#include "history_fixture.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE COUNT\n", argv[0]);
        return 2;
    }
    tavu::history::History history(argv[1]);
    const int count = std::atoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        if (!history.record(tavu::test::sampleDraw("book", i, 20))) {
            std::fprintf(stderr, "draw %d: %s\n", i, history.takeNotice().value_or("not recorded").c_str());
            return 1;
        }
    }
    return 0;
}
