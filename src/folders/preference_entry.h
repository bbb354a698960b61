#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavu {

// One entry of the user-preferences file, for the parts of the program without Qt (tavu-cli)
// that share a preference with the window. The window keeps the file with QSettings in its
// INI format: `[Section]` lines and `Key=value` lines; a value QSettings quoted is unquoted.

// The preference that tavu-cli and the window share: where updates come from.
inline constexpr std::string_view UpdateSiteSection = "Update";
inline constexpr std::string_view UpdateSiteKey = "Site";

// Empty when the file, the section or the key is missing.
std::optional<std::string> readPreferenceEntry(const std::filesystem::path& file, std::string_view section,
                                               std::string_view key);

// Sets the entry and keeps every other line as it was; the file is replaced whole, so that a
// crash leaves the old file or the new one. False when the file cannot be written.
bool writePreferenceEntry(const std::filesystem::path& file, std::string_view section, std::string_view key,
                          const std::string& value);

// True when `value` can be written as it is: printable ASCII without the characters that
// QSettings would read as a list, a comment or an escape.
bool isPlainPreferenceValue(std::string_view value);

} // namespace tavu
