#pragma once

#include "data_files.h"

#include <filesystem>

// Turns the UTF-8 sources under data/sources into the files of the `system` folder.
namespace tavu {

// Every file of the folder: the tables RM_01..RM_07, RM_Map, RM_VS as fixed-width Shift-JIS
// lines ended by CR LF; RM_08 generated from the card families in complete-book order with
// consistent E flags; Comment.tri and Explanation_1..8; system.tri (100 lines, counts 70-80
// taken from the tables) locked with the settings key. Throws DataError naming the source
// file and line of the first fault (a name too wide for its field, a bad number, ...).
DataFiles buildDataFiles(const std::filesystem::path& sourceDir);

// Writes each file into `systemDir` (created when missing), each one replaced atomically.
// Throws DataError.
void writeDataFolder(const DataFiles& files, const std::filesystem::path& systemDir);

} // namespace tavu
