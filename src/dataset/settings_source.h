#pragma once

#include "store/settings.h"

#include <cstdint>
#include <filesystem>

namespace tavu::source {

// The initial settings of the bundled data: entries not named in the source are 0. Entries
// 70 to 80 are counted from the tables by the builder, so the source may not set them.
struct InitialSettings {
    SettingsArray entries{};
    std::uint32_t lockedAt = 0; // packed local date-time for the lock header
};

InitialSettings readInitialSettings(const std::filesystem::path& file);

} // namespace tavu::source
