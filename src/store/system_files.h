#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavu {

// File names of the `system` folder in the order start-up checks that they exist:
// system.tri, RM_Map.tri, RM_VS.tri, Comment.tri, RM_01..RM_08.tri, Explanation_1..8.tri.
const std::vector<std::string>& requiredSystemFiles();

inline constexpr const char* SettingsFileName = "system.tri";
inline constexpr const char* CommentFileName = "Comment.tri";
std::string creatureFileName(int element); // RM_01.tri .. RM_05.tri
std::string explanationFileName(int page); // Explanation_1.tri .. Explanation_8.tri

// The `system` folder beside an executable.
std::filesystem::path systemDirBeside(const std::filesystem::path& executable);

} // namespace tavu
