#pragma once

#include "sqlite_db.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace tavu::history {

// Why a history file cannot be used where it lies; each is mended by moving the file aside
// and starting a new one.
enum class Trouble { Damaged, Locked, Unreadable, Folder };

// What a failure says about the file, or nothing when a new file would fail the same way
// (a full disk, memory) or the failure is not the file's (a statement of ours).
std::optional<Trouble> troubleOf(const SqlError& error);

// Which file a path names at one moment, to tell whether it is still the one a connection
// opened or found faulty: another program may have moved it aside and started a new one.
struct FileIdentity {
    bool exists = false;
    std::uintmax_t device = 0;
    std::uintmax_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity identityOf(const std::filesystem::path& path);

// Moves `file` aside as "<name>.<trouble>-<local date and minute>" (with "-2", "-3", ...
// when taken), its "-wal" and "-shm" companions first and beside it, so that a new file at
// the path never meets the old one's log. Returns the new path; throws filesystem_error.
std::filesystem::path moveAside(const std::filesystem::path& file, Trouble trouble,
                                std::chrono::system_clock::time_point now);

} // namespace tavu::history
