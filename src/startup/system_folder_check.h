#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavu {

// The first required file of the `system` folder that does not exist, in the order start-up
// checks them; nullopt when every file is there.
std::optional<std::string> firstMissingSystemFile(const std::filesystem::path& systemDir);

// Why a file that firstMissingSystemFile named cannot be used, for the user (UTF-8, with its
// path): absent, a folder, or not a regular file (a FIFO, a device, a broken link).
std::string describeMissingSystemFile(const std::filesystem::path& systemDir, const std::string& name);

} // namespace tavu
