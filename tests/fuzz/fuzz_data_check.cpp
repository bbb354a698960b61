#include "store/system_files.h"
#include "support/data_check.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// The bundled folder, read once: each input replaces one of its files, chosen by the first
// byte, so every checker runs with realistic neighbours.
const tavu::DataFiles& bundled() {
    static const tavu::DataFiles files = [] {
        tavu::DataFiles all;
        for (const auto& name : tavu::requiredSystemFiles()) {
            std::ifstream in(std::filesystem::path(TAVU_SYSTEM_DIR) / name, std::ios::binary);
            all[name] = std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        }
        return all;
    }();
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const auto& names = tavu::requiredSystemFiles();
    tavu::DataFiles files = bundled();
    const std::string& target = names[data[0] % names.size()];
    files[target].assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (const auto& problem : tavu::checkDataFiles(files))
        (void)tavu::describe(problem);
    return 0;
}
