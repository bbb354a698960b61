#pragma once

#include "data_folder_choice.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavu {

// What bringing the user's data folder into being, or up to the installed set, did.
struct DataFolderPreparation {
    bool created = false;         // the first copy of the installed set was made
    bool upgraded = false;        // the folder was brought up to a newer installed set
    std::int32_t fromVersion = 0; // data versions (settings entry 58) of an upgrade, tried or done
    std::int32_t toVersion = 0;
    std::string problem; // UTF-8: why the folder could not be made or brought up to date

    bool upgradeFailed() const { return !problem.empty() && toVersion != 0; }
    // What the user is told once, one entry per line; empty when there is nothing to tell.
    std::vector<std::string> noticeLines(const std::filesystem::path& systemDir) const;
};

// For the user's data folder only (other choices are used as they are):
// - when it does not exist, it is made as a copy of the installed set in a folder of its own
//   and renamed into place whole, so that a start cut short at any point leaves either no
//   folder or a complete one (and the next start clears what the cut left);
// - when the installed set is newer (entry 58) than the user's copy, it is staged, checked
//   and swapped in as a download would be, keeping the user's own files.
// Never throws; the folder is left as it was when anything fails.
DataFolderPreparation prepareDataFolder(const DataFolderChoice& choice);

} // namespace tavu
