#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A new data set is fetched into a staging folder beside `system` and moved into place in
// one step, so that `system` holds either the whole old set or the whole new one.
namespace tavu {

// `system` itself may be a link to the real folder elsewhere. An update works on the real
// folder: its staging and previous siblings sit beside it (the renames need one file system)
// and it is the one swapped, so the link stays a link and keeps pointing at the data.
// Other folders come back as given, without a trailing slash.
std::filesystem::path resolvedSystemDir(const std::filesystem::path& systemDir);

std::filesystem::path stagingDirFor(const std::filesystem::path& systemDir);  // system.staging
std::filesystem::path previousDirFor(const std::filesystem::path& systemDir); // system.previous

// Removes whatever a crash left at system.staging and makes that folder anew, empty. Throws
// DataError when the folder cannot be made, or when something else takes the name meanwhile.
void makeStagingDir(const std::filesystem::path& systemDir);

struct StagedProblem {
    std::string file;   // file name inside the folder
    std::string reason; // UTF-8 Japanese
};

// Whether a fetched folder can replace `system`: the first problem the data-folder check of
// `tavu-cli verify` finds in it, if any.
std::optional<StagedProblem> checkStagedSystemFolder(const std::filesystem::path& stagingDir);

// Files of `system` that a download does not bring (a user's own additions) are copied
// into the staging folder so that the swap loses nothing: folders with what they hold, links
// as links (never what they point at). Anything else (a FIFO, a socket, a device) is left
// behind; the returned lines say so (UTF-8). Throws DataError.
std::vector<std::string> carryOverOtherFiles(const std::filesystem::path& systemDir,
                                             const std::filesystem::path& stagingDir);

// Renames `from` to `to`; fails with a non-zero error code. Replaceable for tests.
using FolderRename =
    std::function<void(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code&)>;
void renameFolder(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec);

// system → system.previous, staging → system, then removes system.previous. When the second
// rename fails the first is undone. Throws DataError with `system` unchanged on failure.
void swapInStagedFolder(const std::filesystem::path& systemDir, const std::filesystem::path& stagingDir,
                        const FolderRename& rename = renameFolder);

// Finishes what a swap interrupted by a crash or power loss left: puts system.previous back
// when `system` is missing, drops it when `system` is there. Safe to call at any time. Returns
// a notice for the user when the old set was put back or could not be (UTF-8, naming the
// folders), empty otherwise.
std::string recoverInterruptedSwap(const std::filesystem::path& systemDir);

// What an update cut off by a crash, a kill or a power loss leaves is cleared at start:
// `system` missing with the old set kept as system.previous (put back), a staging folder, the
// version file older versions fetched into `system`, and the working files of an interrupted
// save (`<file>.XXXXXX` beside a data file). A download running elsewhere holds the update
// lock; its files are left alone. Returns a notice for the user when the old set was put
// back (UTF-8, naming the folders), empty otherwise.
std::string clearUpdateLeftovers(const std::filesystem::path& systemDir);

} // namespace tavu
