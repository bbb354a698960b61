#pragma once

#include <filesystem>

namespace tavu::history {

// The history file: `given` when not empty (the command line's --history), otherwise
// history.sqlite3 in the user's data folder: $XDG_DATA_HOME/tavu, or ~/.local/share/tavu
// when XDG_DATA_HOME is unset, empty or not absolute (%LOCALAPPDATA%\tavu on Windows).
// Empty when there is no home to put it in.
std::filesystem::path historyFile(const std::filesystem::path& given = {});

} // namespace tavu::history
