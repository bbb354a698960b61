#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavu {

// Lays out the update site under `outDir`: outDir/tavuds/system_file/ holds every file of
// the system folder `sourceSystemDir` (settings locked, entry 58 set to `version` when given)
// and temp.tri with that version. temp.tri is written last, so a client never sees a new
// version before the files that carry it. Returns the folder of the files. Throws DataError
// when the source is not a usable system folder or a file cannot be written.
std::filesystem::path publishSite(const std::filesystem::path& sourceSystemDir,
                                  const std::filesystem::path& outDir, std::optional<std::int32_t> version);

// The folder under a site root that the base URL's path tavuds/system_file/ points at.
std::filesystem::path siteFilesDir(const std::filesystem::path& siteRoot);

} // namespace tavu
