#include "history_path.h"

#include <cstdlib>

namespace tavu::history {

namespace fs = std::filesystem;

namespace {

// The variable's value when it names an absolute path; relative ones are to be ignored.
fs::path absoluteFrom(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0')
        return {};
    fs::path path(value);
    return path.is_absolute() ? path : fs::path();
}

fs::path userDataFolder() {
#ifdef _WIN32
    return absoluteFrom("LOCALAPPDATA");
#else
    if (fs::path data = absoluteFrom("XDG_DATA_HOME"); !data.empty())
        return data;
    fs::path home = absoluteFrom("HOME");
    return home.empty() ? home : home / ".local" / "share";
#endif
}

} // namespace

fs::path historyFile(const fs::path& given) {
    if (!given.empty())
        return given;
    fs::path data = userDataFolder();
    return data.empty() ? data : data / "tavu" / "history.sqlite3";
}

} // namespace tavu::history
