#include "cipher.h"

#include "data_error.h"
#include "file_io.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace tavu {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ChunkSize = 1024;
constexpr std::size_t StoredKeySize = 32;
constexpr std::size_t MinimumLockedSize = 35;
constexpr unsigned char KeyMask = 0xDD;
constexpr std::string_view Marker{"\x17\x00LOCKED", 8};

void xorBlock(std::string& bytes, std::string_view key) {
    if (key.empty())
        return;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[(i % ChunkSize) % key.size()]);
}

std::optional<fs::file_time_type> unpackDateTime(std::uint32_t packed) {
    std::tm local{};
    local.tm_year = static_cast<int>(packed >> 25) + 1980 - 1900;
    local.tm_mon = static_cast<int>((packed >> 21) & 0x0F) - 1;
    local.tm_mday = static_cast<int>((packed >> 16) & 0x1F);
    local.tm_hour = static_cast<int>((packed >> 11) & 0x1F);
    local.tm_min = static_cast<int>((packed >> 5) & 0x3F);
    local.tm_sec = static_cast<int>(packed & 0x1F) * 2;
    local.tm_isdst = -1;
    std::time_t t = std::mktime(&local);
    if (t == static_cast<std::time_t>(-1))
        return std::nullopt;
    return std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(t));
}

// Writes the new content in place of the source; with keepOriginal the source's bytes are
// first kept under `keptExtension`. Returns why it could not be done, empty when it was.
std::string putInPlace(const fs::path& source, std::string_view original, std::string_view content,
                       std::optional<fs::file_time_type> writeTime, bool keepOriginal,
                       const char* keptExtension) {
    try {
        if (keepOriginal) {
            fs::path kept = source;
            writeFileAtomically(kept.replace_extension(keptExtension), original);
        }
        writeFileAtomically(source, content, writeTime);
    } catch (const DataError& e) {
        return e.what();
    }
    return {};
}

} // namespace

std::uint32_t packDateTime(const fs::file_time_type& time) {
    auto sys = std::chrono::file_clock::to_sys(time);
    std::time_t t =
        std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(sys));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    int year = local.tm_year + 1900 - 1980;
    if (year < 0)
        return 0;
    std::uint32_t date = (static_cast<std::uint32_t>(year) << 9) |
                         (static_cast<std::uint32_t>(local.tm_mon + 1) << 5) |
                         static_cast<std::uint32_t>(local.tm_mday);
    std::uint32_t clock = (static_cast<std::uint32_t>(local.tm_hour) << 11) |
                          (static_cast<std::uint32_t>(local.tm_min) << 5) |
                          static_cast<std::uint32_t>(local.tm_sec / 2);
    return (date << 16) | clock;
}

std::string lockBytes(std::string_view plain, std::string_view key, std::uint32_t packedDateTime) {
    std::string out(Marker);
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((packedDateTime >> (8 * i)) & 0xFF);
    for (std::size_t i = 0; i < StoredKeySize; ++i)
        out += i < key.size() ? static_cast<char>(key[i] ^ KeyMask) : '\0';
    std::string body(plain);
    xorBlock(body, key);
    return out + body;
}

std::optional<UnlockedBytes> unlockBytes(std::string_view locked, std::string_view key) {
    if (key.empty() || locked.size() < MinimumLockedSize || !locked.starts_with(Marker))
        return std::nullopt;
    // A header cut short ends the stored key as its zero padding would.
    std::string storedKey;
    for (std::size_t i = 12; i < std::min(locked.size(), LockHeaderSize) && locked[i] != '\0'; ++i)
        storedKey += static_cast<char>(locked[i] ^ KeyMask);
    if (storedKey != key)
        return std::nullopt;
    UnlockedBytes result{std::string(locked.substr(std::min(locked.size(), LockHeaderSize)))};
    for (std::size_t i = 12; i-- > 8;)
        result.packedDateTime = (result.packedDateTime << 8) | static_cast<unsigned char>(locked[i]);
    xorBlock(result.plain, key);
    return result;
}

bool LockDataFile(const fs::path& path, std::string_view key, bool keepOriginal) {
    if (key.empty())
        return false;
    std::string plain;
    std::uint32_t packed = 0;
    try {
        plain = readWholeFile(path);
        packed = packDateTime(fs::last_write_time(path));
    } catch (const std::exception&) {
        return false;
    }
    return putInPlace(path, plain, lockBytes(plain, key, packed), std::nullopt, keepOriginal, ".org").empty();
}

int UnlockDataFile(const fs::path& path, std::string_view key, bool keepOriginal,
                   std::string* whyNotWritten) {
    if (key.empty())
        return UnlockFailed;
    std::string locked;
    try {
        locked = readWholeFile(path);
    } catch (const DataError&) {
        return UnlockFailed;
    }
    if (locked.size() < MinimumLockedSize)
        return UnlockFailed;
    auto unlocked = unlockBytes(locked, key);
    if (!unlocked)
        return NotLockedWithKey;
    auto writeTime = unlocked->packedDateTime != 0 ? unpackDateTime(unlocked->packedDateTime) : std::nullopt;
    std::string why = putInPlace(path, locked, unlocked->plain, writeTime, keepOriginal, ".crp");
    if (why.empty())
        return Unlocked;
    if (whyNotWritten)
        *whyNotWritten = std::move(why);
    return UnlockFailed;
}

} // namespace tavu
