#pragma once

#include "folders/user_data_folder.h"
#include "startup/data_folder_use.h"
#include "startup/startup_files.h"

#include <memory>

namespace tavu {

class Dialogs;
class Preferences;

// The data folder as start-up finds it: made or brought up to date first, then held for the
// window (an update from the command line leaves it alone while the window uses it), then read.
struct PreparedStartup {
    DataFolderPreparation preparation;
    std::unique_ptr<DataFolderUse> use;
    StartupFiles files;
};

PreparedStartup prepareAndReadDataFolder(const DataFolderChoice& choice);

// True when the folder could not be made at all: the reason is worth more to the user than
// the plain "files missing" box that would follow.
bool dataFolderUnavailable(const PreparedStartup& startup);

// Tells the user once what preparing the folder did: an upgrade as it happens, a failed one
// once per installed data version (the preferences remember which).
void tellDataFolderChanges(const DataFolderPreparation& preparation, const std::filesystem::path& systemDir,
                           Dialogs& dialogs, Preferences& preferences);

} // namespace tavu
