#include "settings.h"

#include "cipher.h"
#include "data_error.h"
#include "file_io.h"
#include "system_files.h"

#include <charconv>

namespace tavu {

namespace fs = std::filesystem;

namespace {

// Splits at CR LF, LF or a lone CR; a final line end does not start another line.
std::string_view nextLine(std::string_view& text) {
    std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
        text = {};
    } else {
        std::size_t skip = (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
        text.remove_prefix(end + skip);
    }
    return line;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool toInt32(std::string_view s, std::int32_t& value) {
    s = trimBlanks(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || s.front() == '+')
        return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

} // namespace

void parseSettings(std::string_view text, const fs::path& file, SettingsArray& settings) {
    for (int i = 0; i <= SettingsLastIndex; ++i) {
        if (text.empty())
            throw DataError(file, i + 1, "設定の行が足りません (100 行必要です)");
        std::int32_t value = 0;
        if (!toInt32(nextLine(text), value))
            throw DataError(file, i + 1, "整数ではない設定値があります");
        settings[static_cast<std::size_t>(i)] = value;
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
    if (UnlockDataFile(settingsFile, SettingsKey, false, &load.notWritable) == UnlockFailed &&
        !load.notWritable.empty()) {
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
