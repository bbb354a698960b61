#pragma once

#include <filesystem>

namespace tavu {

// `dir` absolute and normalised (no `.` or `..`, no trailing separator, links resolved as far
// as the path exists). The staging, previous and lock paths of a data folder are derived from
// its parent and its name: from a literal "." they would land inside the folder itself.
std::filesystem::path normalisedFolder(const std::filesystem::path& dir);

} // namespace tavu
