#pragma once

#include "data_files.h"

#include <cstdint>
#include <filesystem>

namespace tavu {

// Lays out the update site under `outDir`: outDir/tavuds/system_file/ holds every required
// file of the data set byte for byte, and temp.tri, the one file made here, with the set's
// own version (settings entry 58), so that a client that installed it finds itself up to
// date. temp.tri is written last, so a client never sees a new version before the files
// that carry it. Returns the folder of the files. Throws DataError naming the first problem
// when the set would not pass the data-folder check, or when a file cannot be written.
std::filesystem::path publishSite(const DataFiles& files, const std::filesystem::path& outDir);

// Sets settings entry 58 of the set's system.tri to `version`; every other entry, and the
// lock with its stored date-time, stays as it was. Throws DataError when system.tri cannot
// be read.
void setDataVersion(DataFiles& files, std::int32_t version);

// The required files of a built system folder, for publishing it. Throws DataError.
DataFiles readSystemFolder(const std::filesystem::path& systemDir);

// The folder under a site root that the base URL's path tavuds/system_file/ points at.
std::filesystem::path siteFilesDir(const std::filesystem::path& siteRoot);

} // namespace tavu
