#pragma once

#include <filesystem>

// Where the parts of the program sit relative to its executable. In a build tree or an
// unpacked folder they lie beside it; an installed program has them under its prefix
// (share/tavu/system, share/tavu/help, lib/tavu). A part found beside the executable wins.
namespace tavu {

// The data set the user's data folder is copied from: a `system` folder beside the
// executable when there is one (read-only, or it would be used in place), else the installed one.
std::filesystem::path installedDataSet(const std::filesystem::path& executableDir);

// The folder holding the HTTP module the window loads on its first download.
std::filesystem::path httpModuleDir(const std::filesystem::path& executableDir);

// The folder of the HTML manual (its index.html) opened by the help menu.
std::filesystem::path helpDir(const std::filesystem::path& executableDir);

} // namespace tavu
