#include "update_leftovers.h"

#include "staged_folder.h"
#include "store/file_io.h"
#include "store/system_files.h"
#include "update_lock.h"

#include <algorithm>

namespace tavu {

namespace fs = std::filesystem;

namespace {

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// `<data file>.tavu-` and six letters or digits: the unique working name of a save.
bool isWorkingFileName(const std::string& name) {
    constexpr std::size_t UniquePart = 6;
    std::size_t tail = WorkingFileInfix.size() + UniquePart;
    if (name.size() <= tail ||
        name.compare(name.size() - tail, WorkingFileInfix.size(), WorkingFileInfix) != 0)
        return false;
    return std::ranges::count(requiredSystemFiles(), name.substr(0, name.size() - tail)) > 0 &&
           std::all_of(name.end() - UniquePart, name.end(), isAlphanumeric);
}

// Files only (a link counts as one and goes itself, never what it points at).
void removeFile(const fs::path& path) {
    std::error_code ec;
    auto status = fs::symlink_status(path, ec);
    if (!ec && (fs::is_regular_file(status) || fs::is_symlink(status)))
        fs::remove(path, ec);
}

} // namespace

std::string clearUpdateLeftovers(const fs::path& systemDir) {
    fs::path dir = resolvedSystemDir(systemDir);
    UpdateLock lock(dir);
    if (lock.busy())
        return {};
    std::string notice = recoverInterruptedSwap(dir);
    std::error_code ec;
    fs::remove_all(stagingDirFor(dir), ec); // a link there goes itself, never what it points at
    removeFile(dir / VersionFileName);
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec))
        if (isWorkingFileName(it->path().filename().string()))
            removeFile(it->path());
    return notice;
}

} // namespace tavu
