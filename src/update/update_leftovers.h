#pragma once

#include <filesystem>
#include <string>

namespace tavu {

// What an update cut off by a crash, a kill or a power loss leaves is cleared at start:
// `system` missing with the old set kept as system.previous (put back), a staging folder, the
// version file older versions fetched into `system`, and the working files of an interrupted
// save (`<file>.XXXXXX` beside a data file). A download running elsewhere holds the update
// lock; its files are left alone. Returns a notice for the user when the old set was put
// back (UTF-8, naming the folders), empty otherwise.
std::string clearUpdateLeftovers(const std::filesystem::path& systemDir);

} // namespace tavu
