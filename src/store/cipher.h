#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The file cipher of system.tri: a 44-byte header (marker, packed DOS date-time of the
// plain file, key XOR 0xDD) followed by the content XORed with the key in 1024-byte chunks.
namespace tavu {

inline constexpr std::string_view SettingsKey = "Q7XK";
inline constexpr std::size_t LockHeaderSize = 44;

enum UnlockResult : int { Unlocked = 0, NotLockedWithKey = 1, UnlockFailed = 2 };

// Locks the file in place, written as writeFileAtomically writes. keepOriginal keeps the
// source as `<stem>.org`.
bool LockDataFile(const std::filesystem::path& path, std::string_view key, bool keepOriginal);

// Unlocks the file in place; returns an UnlockResult. keepOriginal keeps the source as
// `<stem>.crp`. The stored date-time, when not 0, becomes the file's last-write time. When the
// file was locked with the key but could not be written back, `whyNotWritten` (if given)
// receives the reason and the file is left as it was.
int UnlockDataFile(const std::filesystem::path& path, std::string_view key, bool keepOriginal,
                   std::string* whyNotWritten = nullptr);

// Packed local date-time of the header (date high, time low, as FAT file systems keep it);
// 0 for times before 1980.
std::uint32_t packDateTime(const std::filesystem::file_time_type& time);

// In-memory halves of the above, shared by the file operations and by readers that must
// leave the file untouched.
std::string lockBytes(std::string_view plain, std::string_view key, std::uint32_t packedDateTime);

struct UnlockedBytes {
    std::string plain;
    std::uint32_t packedDateTime = 0;
};
// nullopt for result 1 (no lock header or another key) and for input shorter than 35 bytes
// or an empty key (result 2); UnlockDataFile tells the two apart.
std::optional<UnlockedBytes> unlockBytes(std::string_view locked, std::string_view key);

} // namespace tavu
