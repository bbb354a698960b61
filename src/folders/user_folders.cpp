#include "user_folders.h"

#include <cstdlib>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// An XDG variable counts only as an absolute path; otherwise <home>/<fallback>.
fs::path baseDir(const std::string& value, const std::string& home, const char* fallback) {
    if (!value.empty() && fs::path(value).is_absolute())
        return value;
    if (home.empty() || !fs::path(home).is_absolute())
        return {};
    return fs::path(home) / fallback;
}

fs::path appDir(const fs::path& base) {
    return base.empty() ? base : base / "tavu";
}

} // namespace

UserFolders UserFolders::fromProcess() {
    UserFolders folders{variable("HOME"), variable("XDG_DATA_HOME"), variable("XDG_CONFIG_HOME"),
                        variable("XDG_CACHE_HOME"), variable("XDG_RUNTIME_DIR")};
#ifndef _WIN32
    if (folders.home.empty())
        if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr)
            folders.home = user->pw_dir;
#endif
    return folders;
}

fs::path UserFolders::dataDir() const {
    return appDir(baseDir(dataHome, home, ".local/share"));
}

fs::path UserFolders::configDir() const {
    return appDir(baseDir(configHome, home, ".config"));
}

fs::path UserFolders::instanceLockDir() const {
    if (!runtimeDir.empty() && fs::path(runtimeDir).is_absolute())
        return runtimeDir;
    return appDir(baseDir(cacheHome, home, ".cache"));
}

fs::path preferencesFile(const UserFolders& folders) {
    const fs::path dir = folders.configDir();
    return dir.empty() ? dir : dir / "tavu.conf";
}

} // namespace tavu
