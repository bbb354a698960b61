#pragma once

#include "data_files.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavu {

// Lays out the update site under `outDir`: outDir/tavuds/system_file/ holds every file of
// the data set (settings locked, entry 58 set to `version` when given) and temp.tri with that
// version. temp.tri is written last, so a client never sees a new version before the files
// that carry it. Returns the folder of the files. Throws DataError naming the first problem
// when the set would not pass the data-folder check, or when a file cannot be written.
std::filesystem::path publishSite(const DataFiles& files, const std::filesystem::path& outDir,
                                  std::optional<std::int32_t> version);

// The required files of a built system folder, for publishing it. Throws DataError.
DataFiles readSystemFolder(const std::filesystem::path& systemDir);

// The folder under a site root that the base URL's path tavuds/system_file/ points at.
std::filesystem::path siteFilesDir(const std::filesystem::path& siteRoot);

} // namespace tavu
