#include "install_layout.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

// `besideDir` when `probe` (a file or folder in it) exists, else the installed place.
fs::path besideOrInstalled(const fs::path& besideDir, const fs::path& probe, const fs::path& executableDir,
                           const char* installedFromBin) {
    std::error_code ec;
    if (fs::exists(probe, ec))
        return besideDir;
    return (executableDir / installedFromBin).lexically_normal();
}

} // namespace

fs::path installedDataSet(const fs::path& executableDir) {
    const fs::path beside = executableDir / "system";
    return besideOrInstalled(beside, beside, executableDir, TAVU_INSTALLED_DATA_SET);
}

fs::path httpModuleDir(const fs::path& executableDir) {
    return besideOrInstalled(executableDir, executableDir / TAVU_HTTP_MODULE_FILE, executableDir,
                             TAVU_INSTALLED_MODULES);
}

fs::path helpDir(const fs::path& executableDir) {
    const fs::path beside = executableDir / "help";
    return besideOrInstalled(beside, beside / "index.html", executableDir, TAVU_INSTALLED_HELP);
}

} // namespace tavu
