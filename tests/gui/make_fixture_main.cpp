#include "fixture_data.h"

#include <iostream>

// Writes the window tests' data folder as DIR/system, for the start-up benchmark and the
// screenshots where no bundled data set has been built.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tavu_make_fixture DIR\n";
        return 2;
    }
    std::cout << tavu::test::makeFixtureSystem(argv[1]).string() << '\n';
    return 0;
}
