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
    int omitted = 0;     // on the closing entry of a file with too many problems: how many were not told
};

// At most this many problems are told per file; a closing entry counts the rest.
inline constexpr int MaxProblemsPerFile = 50;

// Every problem of the files: a required file missing or larger than its size limit;
// system.tri unreadable or its counts (entries 70 to 80) differing from the lines of the
// tables and the items of each kind; a table line that is not well formed (widths, numbers,
// rarity and element texts, item kinds, 0/1 flags); the card list out of step with the card
// families (order, names, E flags); an element played by fewer than three opponents. Accepts
// any bytes without failing; memory stays flat in the number of lines. `unreadable` names
// files that exist but could not be read, with the reason, told instead of "missing".
std::vector<DataProblem> checkDataFiles(const DataFiles& files,
                                        const std::map<std::string, std::string>& unreadable = {});

// The same over a folder. A file that cannot be read (a folder, a FIFO, no permission, too
// large) is reported with the reason instead of its content.
std::vector<DataProblem> checkDataFolder(const std::filesystem::path& systemDir);

// "file:line: message", or "file: message" when no line is meant.
std::string describe(const DataProblem& problem);

// Problems told and left untold together.
std::size_t countProblems(const std::vector<DataProblem>& problems);

} // namespace tavu
