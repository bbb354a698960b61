#include "settings.h"

#include "cipher.h"
#include "data_error.h"
#include "field_reader.h"
#include "file_io.h"
#include "system_files.h"

#include <algorithm>

namespace tavu {

namespace fs = std::filesystem;

void parseSettings(std::string_view text, const fs::path& file, SettingsArray& settings) {
    const auto lines = splitLines(text);
    for (int i = 0; i <= SettingsLastIndex; ++i) {
        if (static_cast<std::size_t>(i) >= lines.size())
            throw DataError(file, i + 1, "設定の行が足りません (100 行必要です)");
        auto value = decimalNumber(trimBlanks(lines[i]));
        if (!value)
            throw DataError(file, i + 1, "整数ではない設定値があります");
        settings[i] = *value;
    }
}

std::string formatSettings(const SettingsArray& settings) {
    std::string text;
    text.reserve(settings.size() * 6);
    for (std::int32_t value : settings)
        text += std::to_string(value) + "\r\n";
    return text;
}

SettingsLoad LoadSettings(const fs::path& settingsFile, SettingsArray& settings) {
    SettingsLoad load;
    // A plain file is left as it is. The locked bytes of a failed write-back are never parsed
    // as they stand: they are deciphered in memory as the read-only load does.
    UnlockDataFile(settingsFile, SettingsKey, false, &load.notWritable);
    if (!load.notWritable.empty()) {
        settings = readSettingsReadOnly(settingsFile);
        return load;
    }
    parseSettings(readWholeFile(settingsFile, systemFileSizeLimit(SettingsFileName)), settingsFile, settings);
    return load;
}

SettingsArray readSettingsReadOnly(const fs::path& settingsFile) {
    std::string bytes = readWholeFile(settingsFile, systemFileSizeLimit(SettingsFileName));
    if (auto unlocked = unlockBytes(bytes, SettingsKey))
        bytes = std::move(unlocked->plain);
    SettingsArray settings{};
    parseSettings(bytes, settingsFile, settings);
    return settings;
}

void SaveSettings(const fs::path& settingsFile, const SettingsArray& settings) {
    // The header records the plain file's write time, which is now.
    auto now = fs::file_time_type::clock::now();
    writeFileAtomically(settingsFile, lockBytes(formatSettings(settings), SettingsKey, packDateTime(now)));
}

} // namespace tavu
