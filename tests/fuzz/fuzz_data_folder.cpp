// The data-folder check over a real folder: the first byte picks one file of the folder, the
// second what stands in its place (its bytes, a folder, a FIFO, a link to a folder, a broken
// link, a link to itself, a link to a large file), the rest of the input becomes its bytes.
// Every other file is the bundled one. Nothing may wait, crash or read without bound.
#include "dataset/data_check.h"
#include "store/system_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A copy of the bundled folder and a large file to link to, made once and removed at exit.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern = (fs::temp_directory_path() / "tavu-fuzz-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        fs::copy(TAVU_SYSTEM_DIR, path_ / "system", fs::copy_options::recursive);
        std::ofstream(path_ / "large", std::ios::binary) << std::string(1u << 20, '\n');
    }
    ~WorkFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& workFolder() {
    static const WorkFolder folder;
    return folder.path();
}

void placeEntry(const fs::path& file, std::uint8_t kind, const std::uint8_t* data, std::size_t size) {
    switch (kind % 7) {
    case 0:
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        break;
    case 1:
        fs::create_directory(file);
        break;
    case 2:
        ::mkfifo(file.c_str(), 0644);
        break;
    case 3:
        fs::create_directory_symlink("..", file);
        break;
    case 4:
        fs::create_symlink("nowhere", file);
        break;
    case 5:
        fs::create_symlink(file.filename(), file);
        break;
    case 6:
        fs::create_symlink(workFolder() / "large", file);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const fs::path system = workFolder() / "system";
    const auto& names = tavu::requiredSystemFiles();
    const std::string& name = names[data[0] % names.size()];
    fs::remove_all(system / name);
    placeEntry(system / name, data[1], data + 2, size - 2);
    tavu::checkDataFolder(system);
    fs::remove_all(system / name);
    fs::copy_file(fs::path(TAVU_SYSTEM_DIR) / name, system / name);
    return 0;
}
