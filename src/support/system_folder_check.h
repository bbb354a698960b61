#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tavu {

// The first required file of the `system` folder that does not exist, in the order start-up
// checks them; nullopt when every file is there. `onFound` runs after each file that exists
// (start-up pauses there).
std::optional<std::string> firstMissingSystemFile(const std::filesystem::path& systemDir,
                                                  void (*onFound)() = nullptr);

} // namespace tavu
