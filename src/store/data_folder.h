#pragma once

#include <filesystem>

namespace tavu {

// The data folder a program works on: `given` (--system) when not empty, otherwise the
// `system` folder beside `executable`. The answer is absolute and normalised (no `.` or
// `..`, no trailing separator, links resolved as far as the path exists), because the
// staging, previous and lock paths are derived from its parent and its name: from a
// literal "." they would land inside the folder itself.
std::filesystem::path chooseDataFolder(const std::filesystem::path& given,
                                       const std::filesystem::path& executable);

// `dir` absolute and normalised as above, for whatever is named after a data folder.
std::filesystem::path normalisedFolder(const std::filesystem::path& dir);

} // namespace tavu
