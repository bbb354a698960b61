#include "system_folder_check.h"

#include "store/system_files.h"

namespace tavu {

std::optional<std::string> firstMissingSystemFile(const std::filesystem::path& systemDir, void (*onFound)()) {
    for (const auto& name : requiredSystemFiles()) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(systemDir / name, ec))
            return name;
        if (onFound)
            onFound();
    }
    return std::nullopt;
}

} // namespace tavu
