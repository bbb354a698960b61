// The data-folder check: the first byte picks one file of the folder,
// the rest of the input becomes its bytes; every other file is the bundled one, so the
// check gets past "file missing" into the line, count and card-list logic.
#include "dataset/data_check.h"
#include "store/file_io.h"
#include "store/system_files.h"

#include <cstddef>
#include <cstdint>

namespace {
const tavu::DataFiles& bundled() {
    static const tavu::DataFiles files = [] {
        tavu::DataFiles read;
        for (const auto& name : tavu::requiredSystemFiles())
            read[name] = tavu::readWholeFile(std::filesystem::path(TAVU_SYSTEM_DIR) / name);
        return read;
    }();
    return files;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    tavu::DataFiles files = bundled();
    const auto& names = tavu::requiredSystemFiles();
    files[names[data[0] % names.size()]] = std::string(reinterpret_cast<const char*>(data) + 1, size - 1);
    tavu::checkDataFiles(files);
    return 0;
}
