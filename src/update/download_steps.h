#pragma once

#include <vector>

namespace tavu {

// One file of a download, in fetch order, with what the progress bar and the pause do
// after it.
struct DownloadFile {
    const char* name;
    int progressStep; // 1, or 0 for the one file that adds no step
    int pauseMs;      // 0 for none
};

// The 20 files of the system folder in the order they are fetched.
const std::vector<DownloadFile>& downloadFiles();

// After the last file the bar takes one step, pauses, and takes the last step to the top.
inline constexpr int DownloadProgressMax = 21;
inline constexpr int FinalPauseMs = 2000;

// The settings file arrives locked; it is unlocked once this many files are in.
inline constexpr int FilesBeforeUnlock = 12;

} // namespace tavu
