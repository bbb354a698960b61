#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// File names of the `system` folder in the order start-up checks that they exist:
// system.tri, RM_Map.tri, RM_VS.tri, Comment.tri, RM_01..RM_08.tri, Explanation_1..8.tri.
const std::vector<std::string>& requiredSystemFiles();

// The first required file that does not exist, in the order start-up checks them; nullopt when
// every file is there.
std::optional<std::string> firstMissingSystemFile(const std::filesystem::path& systemDir);

// Why a file that firstMissingSystemFile named cannot be used, for the user (UTF-8, with its
// path): absent, a folder, or not a regular file (a FIFO, a device, a broken link).
std::string describeMissingSystemFile(const std::filesystem::path& systemDir, const std::string& name);

inline constexpr const char* SettingsFileName = "system.tri";
inline constexpr const char* CommentFileName = "Comment.tri";
// Not a required file: the data set's version, which a site publishes beside its files and an
// update fetches first.
inline constexpr const char* VersionFileName = "temp.tri";
std::string creatureFileName(int element); // RM_01.tri .. RM_05.tri
std::string explanationFileName(int page); // Explanation_1.tri .. Explanation_8.tri

// The most a file of the folder may hold, fitted to its format with room to spare: the
// settings (100 short numbers and the lock header, some 1.4 KB) 16 KiB; a table (its widest
// line, a creature, is about 110 bytes) 256 KiB, some 2,400 such lines; a text page or the
// comment 64 KiB. Anything larger is not a data file of ours and is refused unread.
std::size_t systemFileSizeLimit(std::string_view name);

// Reads a file of the folder whole within its size limit. Throws DataError naming the file.
std::string readSystemFile(const std::filesystem::path& systemDir, const std::string& name);

// The `system` folder beside an executable.
std::filesystem::path systemDirBeside(const std::filesystem::path& executable);

// `dir` absolute and normalised (no `.` or `..`, no trailing separator, links resolved as far
// as the path exists). The staging, previous and lock paths of a data folder are derived from
// its parent and its name: from a literal "." they would land inside the folder itself.
std::filesystem::path normalisedFolder(const std::filesystem::path& dir);

} // namespace tavu
