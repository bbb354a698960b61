#include "data_folder_choice.h"

#include "install_layout.h"
#include "store/system_files.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

namespace {

bool writableFolder(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
#ifdef _WIN32
    return true; // a folder beside the executable is the only layout there
#else
    return ::access(dir.c_str(), W_OK | X_OK) == 0;
#endif
}

} // namespace

DataFolderChoice chooseDataFolder(const fs::path& given, const fs::path& executable,
                                  const UserFolders& folders) {
    if (!given.empty())
        return {DataFolderChoice::Kind::Given, normalisedFolder(given), {}};
    const fs::path beside = systemDirBeside(executable);
    if (writableFolder(beside))
        return {DataFolderChoice::Kind::Portable, normalisedFolder(beside), {}};
    const fs::path dataDir = folders.dataDir();
    return {DataFolderChoice::Kind::User, dataDir.empty() ? dataDir : normalisedFolder(dataDir / "system"),
            installedDataSet(executable.parent_path())};
}

} // namespace tavu
