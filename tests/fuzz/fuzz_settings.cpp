#include "store/cipher.h"
#include "store/data_error.h"
#include "store/settings.h"

#include <cstdint>
#include <string>

// The settings text as start-up reads it, locked or plain.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (auto unlocked = tavu::unlockBytes(bytes, tavu::SettingsKey))
        bytes = std::move(unlocked->plain);
    tavu::SettingsArray settings{};
    try {
        tavu::parseSettings(bytes, "system.tri", settings);
        (void)tavu::formatSettings(settings);
    } catch (const tavu::DataError&) {
    }
    return 0;
}
