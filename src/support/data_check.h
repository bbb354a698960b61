#pragma once

#include "data_files.h"

#include <filesystem>
#include <string>
#include <vector>

// The data-folder check behind `tavu-cli verify`: whether a `system` folder holds what the
// program relies on without checking it itself.
namespace tavu {

struct DataProblem {
    std::string file;    // file name in the folder
    int line = 0;        // 1-based; 0 when the whole file is meant
    std::string message; // UTF-8 Japanese
};

// Every problem of the files: a required file missing; system.tri unreadable or its counts
// (entries 70 to 80) differing from the lines of the tables and the items of each kind; a
// table line that is not well formed (widths, numbers, rarity and element texts, item kinds,
// 0/1 flags); the card list out of step with the card families (order, names, E flags);
// an element played by fewer than three opponents. Accepts any bytes without failing.
std::vector<DataProblem> checkDataFiles(const DataFiles& files);

// The same over a folder; a file that cannot be read is reported like a missing one.
std::vector<DataProblem> checkDataFolder(const std::filesystem::path& systemDir);

// "file:line: message", or "file: message" when no line is meant.
std::string describe(const DataProblem& problem);

} // namespace tavu
