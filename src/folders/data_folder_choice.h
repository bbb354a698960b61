#pragma once

#include "user_folders.h"

#include <filesystem>

namespace tavu {

// Which data folder the program works in. The window and tavu-cli both decide here.
struct DataFolderChoice {
    enum class Kind {
        Given,    // named on the command line
        Portable, // a writable `system` folder beside the executable: used in place
        User,     // the user's data folder <data home>/tavu/system, copied from the installed set
    };
    Kind kind = Kind::Given;
    std::filesystem::path systemDir;
    std::filesystem::path installedSet; // for User: what the folder is made from and brought up to
};

// `given` wins when not empty. Otherwise a `system` folder beside the executable that exists
// and that this user may write is used in place, as it always was; else the user's data
// folder (empty systemDir when there is no home folder to put it in). The folder is absolute
// and normalised however it was named (see normalisedFolder).
DataFolderChoice chooseDataFolder(const std::filesystem::path& given, const std::filesystem::path& executable,
                                  const UserFolders& folders);

} // namespace tavu
