#include "staged_folder.h"

#include "dataset/data_check.h"
#include "store/data_error.h"
#include "store/system_error_text.h"
#include "store/system_files.h"

#include <algorithm>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

namespace {

// "system/" and "system" must name the same folder, or the sibling names go wrong.
fs::path withoutTrailingSlash(const fs::path& dir) {
    return dir.has_filename() ? dir : dir.parent_path();
}

fs::path sibling(const fs::path& systemDir, const char* suffix) {
    fs::path dir = withoutTrailingSlash(systemDir);
    return dir.parent_path() / (dir.filename().string() + suffix);
}

bool isDownloadedFile(const std::string& name) {
    const auto& files = requiredSystemFiles();
    return std::find(files.begin(), files.end(), name) != files.end();
}

// The renames are only as durable as the data they point at.
void syncToDisk(const fs::path& path, int flags) {
#ifndef _WIN32
    int fd = ::open(path.c_str(), flags);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)path;
    (void)flags;
#endif
}

void syncFolderTree(const fs::path& dir) {
#ifndef _WIN32
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        if (entry.is_regular_file(ec))
            syncToDisk(entry.path(), O_RDONLY);
    syncToDisk(dir, O_RDONLY | O_DIRECTORY);
#else
    (void)dir;
#endif
}

void syncParent(const fs::path& dir) {
#ifndef _WIN32
    fs::path parent = withoutTrailingSlash(dir).parent_path();
    syncToDisk(parent.empty() ? fs::path(".") : parent, O_RDONLY | O_DIRECTORY);
#else
    (void)dir;
#endif
}

} // namespace

fs::path resolvedSystemDir(const fs::path& systemDir) {
    fs::path dir = withoutTrailingSlash(systemDir);
    // A bound on hops: a loop of links resolves to nothing usable anyway.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(dir, ec)))
            return dir;
        fs::path target = fs::read_symlink(dir, ec);
        if (ec)
            return dir;
        fs::path next = target.is_absolute() ? target : dir.parent_path() / target;
        next = withoutTrailingSlash(next.lexically_normal());
        fs::path parent = fs::weakly_canonical(next.parent_path().empty() ? "." : next.parent_path(), ec);
        dir = ec ? next : parent / next.filename();
    }
    return dir;
}

fs::path stagingDirFor(const fs::path& systemDir) {
    return sibling(systemDir, ".staging");
}

fs::path previousDirFor(const fs::path& systemDir) {
    return sibling(systemDir, ".previous");
}

std::optional<StagedProblem> checkStagedSystemFolder(const fs::path& stagingDir) {
    std::vector<DataProblem> problems = checkDataFolder(stagingDir);
    if (problems.empty())
        return std::nullopt;
    const DataProblem& first = problems.front();
    std::string reason = first.message;
    if (first.line > 0)
        reason += " (" + std::to_string(first.line) + " 行目)";
    return StagedProblem{first.file, reason};
}

namespace {

// The names in a folder; an error reading it is reported through `ec`.
std::vector<fs::path> entriesOf(const fs::path& dir, std::error_code& ec) {
    std::vector<fs::path> entries;
    fs::directory_iterator it(dir, ec), end;
    while (!ec && it != end) {
        entries.push_back(it->path());
        it.increment(ec);
    }
    return entries;
}

[[noreturn]] void cannotCarry(const fs::path& from, const std::error_code& ec) {
    throw DataError(
        from, 0, "ファイルを新しいフォルダへ移せません: " + from.string() + " (" + systemErrorText(ec) + ")");
}

// One entry of `system`, copied the way carryOverOtherFiles promises.
void carryOver(const fs::path& from, const fs::path& to, const std::string& shownAs,
               std::vector<std::string>& leftBehind) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(from, ec);
    if (fs::is_symlink(status)) {
        fs::copy_symlink(from, to, ec);
    } else if (fs::is_directory(status)) {
        // An existing name comes back as false without an error; it must be new here.
        if (!fs::create_directory(to, ec) && !ec)
            ec = std::make_error_code(std::errc::file_exists);
        for (const fs::path& entry : ec ? std::vector<fs::path>{} : entriesOf(from, ec))
            carryOver(entry, to / entry.filename(), shownAs + "/" + entry.filename().string(), leftBehind);
    } else if (fs::is_regular_file(status)) {
        fs::copy_file(from, to, ec);
    } else if (!ec) {
        leftBehind.push_back(shownAs +
                             " は通常のファイルでもフォルダでもないため、新しいフォルダへ移していません");
    }
    if (ec)
        cannotCarry(from, ec);
}

} // namespace

std::vector<std::string> carryOverOtherFiles(const fs::path& systemDir, const fs::path& stagingDir) {
    std::vector<std::string> leftBehind;
    std::error_code ec;
    for (const fs::path& entry : entriesOf(systemDir, ec)) {
        std::string name = entry.filename().string();
        std::error_code staged;
        if (isDownloadedFile(name) || name == "temp.tri" ||
            fs::exists(fs::symlink_status(stagingDir / name, staged)))
            continue;
        carryOver(entry, stagingDir / name, name, leftBehind);
    }
    if (ec)
        throw DataError(systemDir, 0,
                        "フォルダを読み取れません: " + systemDir.string() + " (" + systemErrorText(ec) + ")");
    return leftBehind;
}

void renameFolder(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::rename(from, to, ec);
}

void swapInStagedFolder(const fs::path& systemDir, const fs::path& stagingDir, const FolderRename& rename) {
    fs::path current = withoutTrailingSlash(systemDir);
    fs::path previous = previousDirFor(systemDir);
    std::error_code ec;
    fs::remove_all(previous, ec); // left by an earlier swap whose clean-up failed
    syncFolderTree(stagingDir);
    rename(current, previous, ec);
    if (ec)
        throw DataError(current, 0,
                        "フォルダを入れ替えられません: " + current.string() + " (" + systemErrorText(ec) +
                            ")");
    rename(stagingDir, current, ec);
    if (ec) {
        std::error_code undo;
        rename(previous, current, undo);
        throw DataError(current, 0,
                        "フォルダを入れ替えられません: " + current.string() + " (" + systemErrorText(ec) +
                            ")");
    }
    syncParent(current);
    fs::remove_all(previous, ec); // the new set is in place; a left-over is dropped next time
}

void recoverInterruptedSwap(const fs::path& systemDir) {
    fs::path current = withoutTrailingSlash(systemDir);
    fs::path previous = previousDirFor(systemDir);
    std::error_code ec;
    auto kept = fs::symlink_status(previous, ec);
    if (!fs::exists(kept))
        return;
    // Only a real folder can be a set the swap kept; anything else there is not ours to restore.
    if (fs::is_directory(kept) && !fs::exists(fs::symlink_status(current, ec)))
        fs::rename(previous, current, ec);
    else
        fs::remove_all(previous, ec);
}

} // namespace tavu
