#pragma once

#include <filesystem>
#include <string>

namespace tavu {

// The user's own folders, after the XDG base-directory rules: a variable that is unset,
// empty or relative is ignored in favour of its default under the home folder.
struct UserFolders {
    std::string home;       // HOME
    std::string dataHome;   // XDG_DATA_HOME   (default ~/.local/share)
    std::string configHome; // XDG_CONFIG_HOME (default ~/.config)
    std::string cacheHome;  // XDG_CACHE_HOME  (default ~/.cache)
    std::string runtimeDir; // XDG_RUNTIME_DIR (no default)

    // The variables of this process (the password database's home when HOME is unset).
    static UserFolders fromProcess();

    // Each is empty when neither its variable nor the home folder can give it.
    std::filesystem::path dataDir() const;   // <data home>/tavu: the user's data folder's parent
    std::filesystem::path configDir() const; // <config home>/tavu: the preferences file's folder
    // Where the single-instance lock goes: XDG_RUNTIME_DIR, else <cache home>/tavu.
    std::filesystem::path instanceLockDir() const;
};

// The user-preferences file: <config home>/tavu/tavu.conf (empty when there is no home).
std::filesystem::path preferencesFile(const UserFolders& folders);

} // namespace tavu
