#include "store/cipher.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Unlocks hostile bytes in place on disk, as start-up does with system.tri.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One scratch folder per process, removed at exit.
    static const struct Scratch {
        std::filesystem::path dir =
            std::filesystem::temp_directory_path() / ("tavu-fuzz-unlock-" + std::to_string(::getpid()));
        Scratch() { std::filesystem::create_directories(dir); }
        ~Scratch() {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    } scratch;
    auto file = scratch.dir / "system.tri";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    int result = tavu::UnlockDataFile(file, tavu::SettingsKey, false);
    if (result < 0 || result > 2)
        std::abort();
    (void)tavu::unlockBytes(std::string(reinterpret_cast<const char*>(data), size), "K");
    return 0;
}
