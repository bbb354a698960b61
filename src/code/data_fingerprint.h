#pragma once

#include "draw_code.h"
#include "store/settings.h"

#include <filesystem>

namespace tavu::code {

// The fingerprint of what a draw reads from the data folder: every table file byte for byte
// and the settings entries that size the tables. The user's own entries (filters, counts,
// output boxes) and Comment.tri are left out, so saving a page's settings or writing one's
// own comment keeps a code valid. Throws DataError when a table file cannot be read.
DataFingerprint fingerprintData(const std::filesystem::path& systemDir, const SettingsArray& settings);

// "版 100" or "版不明", for messages that name the data a code was drawn on.
std::string dataVersionText(const DataFingerprint& data);

} // namespace tavu::code
