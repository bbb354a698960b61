// Build step: turns the UTF-8 sources into the `system` folder beside the executables.
// Usage: tavu-mkdata <sources folder> <system folder>
#include "dataset/data_build.h"
#include "store/data_error.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "使い方: tavu-mkdata <元データのフォルダ> <出力先の system フォルダ>\n";
        return 2;
    }
    try {
        tavu::writeDataFolder(tavu::buildDataFiles(argv[1]), argv[2]);
    } catch (const tavu::DataError& e) {
        std::cerr << e.file().string() << ":" << e.line() << ": " << e.reason() << "\n";
        return 1;
    }
    return 0;
}
