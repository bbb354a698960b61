#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tavu {

inline constexpr int SettingsLastIndex = 99;
using SettingsArray = std::array<std::int32_t, SettingsLastIndex + 1>;

// Converts lines 0..99 of the plain settings text into `settings` (a line ends at CR LF,
// LF or CR; lines after 99 are ignored). Entries before a failure keep their new values,
// the rest stay as they were. Throws DataError naming `file` and the 1-based line when
// a line is not a decimal 32-bit integer or there are fewer than 100 lines.
void parseSettings(std::string_view text, const std::filesystem::path& file, SettingsArray& settings);

// 100 lines of decimal text, each ended by CR LF.
std::string formatSettings(const SettingsArray& settings);

// Start-up load: unlocks system.tri in place with the settings key (a plain file is left
// as it is), then parses it into `settings`. Throws DataError.
//
// A locked file that cannot be written back (a read-only folder, a full disk) is deciphered
// in memory instead and left untouched; the result then says why, and the caller must not
// save settings over it in this run.
struct SettingsLoad {
    std::string notWritable; // empty when the file could be written back
};
SettingsLoad LoadSettings(const std::filesystem::path& settingsFile, SettingsArray& settings);

// Read-only load for tools: deciphers in memory when the file is locked with the settings
// key, never writes. Throws DataError.
SettingsArray readSettingsReadOnly(const std::filesystem::path& settingsFile);

// Writes the 100 lines locked, through writeFileAtomically: at every moment the name holds
// the old or the new complete file. Throws DataError and leaves the old file on failure.
void SaveSettings(const std::filesystem::path& settingsFile, const SettingsArray& settings);

} // namespace tavu
