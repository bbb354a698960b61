#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavu::test {

// A fresh folder under the system temp folder, removed with everything in it at scope end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& file, std::string_view bytes);
std::string readBytes(const std::filesystem::path& file);
// UTF-8 test text as the Shift-JIS bytes the tables hold.
std::string sj(std::string_view utf8);
// Copies the bundled system folder into `dir`/system and returns that path.
std::filesystem::path copyBundledSystem(const std::filesystem::path& dir);

} // namespace tavu::test
