#include "system_folder_check.h"

#include "store/system_files.h"

namespace tavu {

std::optional<std::string> firstMissingSystemFile(const std::filesystem::path& systemDir) {
    for (const auto& name : requiredSystemFiles()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(systemDir / name, ec))
            return name;
    }
    return std::nullopt;
}

std::string describeMissingSystemFile(const std::filesystem::path& systemDir, const std::string& name) {
    namespace fs = std::filesystem;
    fs::path file = systemDir / name;
    std::error_code ec;
    fs::file_status status = fs::status(file, ec);
    if (fs::is_directory(status))
        return file.string() + " がファイルではなくフォルダになっています";
    if (fs::exists(status))
        return file.string() + " が通常のファイルではありません (FIFO や装置など)";
    if (fs::is_symlink(fs::symlink_status(file, ec)))
        return file.string() + " はリンクですが、リンク先がありません";
    if (!fs::is_directory(systemDir, ec))
        return "データフォルダがありません: " + systemDir.string();
    return file.string() + " がありません";
}

} // namespace tavu
