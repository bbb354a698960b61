#include "staged_folder.h"

#include "data_check.h"
#include "store/data_error.h"
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

void carryOverOtherFiles(const fs::path& systemDir, const fs::path& stagingDir) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(systemDir, ec)) {
        std::string name = entry.path().filename().string();
        if (isDownloadedFile(name) || name == "temp.tri" || fs::exists(stagingDir / name))
            continue;
        std::error_code copyError;
        fs::copy(entry.path(), stagingDir / name, fs::copy_options::recursive, copyError);
        if (copyError)
            throw DataError(entry.path(), 0,
                            "ファイルを新しいフォルダへ移せません (" + copyError.message() + ")");
    }
    if (ec)
        throw DataError(systemDir, 0, "フォルダを読み取れません (" + ec.message() + ")");
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
        throw DataError(current, 0, "フォルダを入れ替えられません (" + ec.message() + ")");
    rename(stagingDir, current, ec);
    if (ec) {
        std::error_code undo;
        rename(previous, current, undo);
        throw DataError(current, 0, "フォルダを入れ替えられません (" + ec.message() + ")");
    }
    syncParent(current);
    fs::remove_all(previous, ec); // the new set is in place; a left-over is dropped next time
}

void recoverInterruptedSwap(const fs::path& systemDir) {
    fs::path current = withoutTrailingSlash(systemDir);
    fs::path previous = previousDirFor(systemDir);
    std::error_code ec;
    if (!fs::exists(previous, ec))
        return;
    if (fs::exists(current, ec))
        fs::remove_all(previous, ec);
    else
        fs::rename(previous, current, ec);
}

} // namespace tavu
