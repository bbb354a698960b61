#include "test_helpers.h"

#include "store/sjis_text.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tavu::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("tavu-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string sj(std::string_view utf8) {
    return sjis::fromUtf8OrThrow(utf8);
}

fs::path copyBundledSystem(const fs::path& dir) {
    fs::path target = dir / "system";
    fs::copy(TAVU_SYSTEM_DIR, target, fs::copy_options::recursive);
    return target;
}

} // namespace tavu::test
