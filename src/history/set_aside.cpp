#include "set_aside.h"

#include "history_time.h"

#include <sqlite3.h>
#include <string>
#include <sys/stat.h>

namespace tavu::history {

namespace fs = std::filesystem;

namespace {

const char* nameOf(Trouble trouble) {
    switch (trouble) {
    case Trouble::Damaged:
        return "damaged";
    case Trouble::Locked:
        return "locked";
    case Trouble::Unreadable:
        return "unreadable";
    case Trouble::Folder:
        return "folder";
    }
    return "moved";
}

constexpr const char* Companions[] = {"-wal", "-shm"};

fs::path withSuffix(const fs::path& file, const std::string& suffix) {
    return fs::path(file).concat(suffix);
}

bool taken(const fs::path& aside) {
    std::error_code ignored;
    if (fs::exists(fs::symlink_status(aside, ignored)))
        return true;
    for (const char* companion : Companions)
        if (fs::exists(fs::symlink_status(withSuffix(aside, companion), ignored)))
            return true;
    return false;
}

void moveIfPresent(const fs::path& from, const fs::path& to) {
    std::error_code ignored;
    if (fs::exists(fs::symlink_status(from, ignored)))
        fs::rename(from, to);
}

} // namespace

std::optional<Trouble> troubleOf(const SqlError& error) {
    switch (error.primary()) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Trouble::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Trouble::Locked;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_IOERR:
        return Trouble::Unreadable;
    default:
        return std::nullopt;
    }
}

FileIdentity identityOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.string().c_str(), &info) != 0)
        return {};
    return {true, static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino)};
}

fs::path moveAside(const fs::path& file, Trouble trouble, std::chrono::system_clock::time_point now) {
    std::string base = file.filename().string() + "." + nameOf(trouble) + "-" + localFileStamp(now);
    fs::path aside = file.parent_path() / base;
    for (int n = 2; taken(aside); ++n)
        aside = file.parent_path() / (base + "-" + std::to_string(n));
    for (const char* companion : Companions)
        moveIfPresent(withSuffix(file, companion), withSuffix(aside, companion));
    fs::rename(file, aside);
    return aside;
}

} // namespace tavu::history
