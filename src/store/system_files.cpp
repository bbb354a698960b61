#include "system_files.h"

#include "file_io.h"

namespace tavu {

namespace fs = std::filesystem;

std::string creatureFileName(int element) {
    return "RM_0" + std::to_string(element + 1) + ".tri";
}

std::string explanationFileName(int page) {
    return "Explanation_" + std::to_string(page) + ".tri";
}

const std::vector<std::string>& requiredSystemFiles() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> names{SettingsFileName, "RM_Map.tri", "RM_VS.tri", CommentFileName};
        for (int i = 1; i <= 8; ++i)
            names.push_back("RM_0" + std::to_string(i) + ".tri");
        for (int i = 1; i <= 8; ++i)
            names.push_back(explanationFileName(i));
        return names;
    }();
    return files;
}

std::optional<std::string> firstMissingSystemFile(const fs::path& systemDir) {
    for (const auto& name : requiredSystemFiles()) {
        std::error_code ec;
        if (!fs::is_regular_file(systemDir / name, ec))
            return name;
    }
    return std::nullopt;
}

std::string describeMissingSystemFile(const fs::path& systemDir, const std::string& name) {
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

std::size_t systemFileSizeLimit(std::string_view name) {
    constexpr std::size_t KiB = 1024;
    if (name == SettingsFileName)
        return 16 * KiB;
    if (name.starts_with("RM_"))
        return 256 * KiB;
    return 64 * KiB;
}

std::string readSystemFile(const fs::path& systemDir, const std::string& name) {
    return readWholeFile(systemDir / name, systemFileSizeLimit(name));
}

fs::path systemDirBeside(const fs::path& executable) {
    return executable.parent_path() / "system";
}

fs::path normalisedFolder(const fs::path& dir) {
    std::error_code ec;
    fs::path absolute = fs::absolute(dir, ec);
    if (ec)
        absolute = dir;
    fs::path resolved = fs::weakly_canonical(absolute, ec);
    if (ec)
        resolved = absolute.lexically_normal();
    // "a/b/" names the folder b; its parent is a, not a/b.
    while (!resolved.has_filename() && resolved.has_relative_path())
        resolved = resolved.parent_path();
    return resolved;
}

} // namespace tavu
