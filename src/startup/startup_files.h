#pragma once

#include "store/settings.h"
#include "store/tables.h"

#include <filesystem>
#include <string>

namespace tavu {

// What start-up reads from the data folder, read before any control exists so that the disk
// work can overlap the rest of the program's set-up. The window takes the result in its fixed
// order: the settings go into the controls first, then the tables are taken.
struct StartupFiles {
    enum class Reached {
        MissingFile,  // a required file is absent; nothing was read or written
        Nothing,      // the settings could not be read
        SettingsRead, // the tables could not be read (those read so far are kept)
        TablesRead,
    };

    std::filesystem::path systemDir;
    Reached reached = Reached::Nothing;
    std::string error;  // why it stopped short, for the error box (with the path of the file)
    std::string notice; // what start-up mended on the way (an interrupted update put right)
    SettingsArray settings{};
    std::string settingsNotWritable; // why system.tri could not be written back, when it could not
    TableSizes sizes;
    Tables tables;
};

// Clears what an interrupted update left (putting back the old set when `system` is gone),
// checks every required file, reads the settings (which unlocks system.tri in place) and the
// tables sized from them.
StartupFiles readStartupFiles(std::filesystem::path systemDir);

} // namespace tavu
