#include "staged_folder.h"

#include "dataset/data_check.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/system_error_text.h"
#include "store/system_files.h"
#include "update_lock.h"

#include <algorithm>

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

// An error of the folder operations, naming the path the way the user gave it.
DataError folderError(const char* what, const fs::path& path, const std::error_code& ec) {
    return DataError(path, 0, what + path.string() + " (" + systemErrorText(ec) + ")");
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

// create_directory reports an existing name as false without an error; here it must be new.
void createNewFolder(const fs::path& dir, std::error_code& ec) {
    if (!fs::create_directory(dir, ec) && !ec)
        ec = std::make_error_code(std::errc::file_exists);
}

// One entry of `system`, copied the way carryOverOtherFiles promises.
void carryOver(const fs::path& from, const fs::path& to, const std::string& shownAs,
               std::vector<std::string>& leftBehind) {
    std::error_code ec;
    fs::file_status status = fs::symlink_status(from, ec);
    if (fs::is_symlink(status)) {
        fs::copy_symlink(from, to, ec);
    } else if (fs::is_directory(status)) {
        createNewFolder(to, ec);
        if (!ec)
            for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec))
                carryOver(*it, to / it->path().filename(), shownAs + "/" + it->path().filename().string(),
                          leftBehind);
    } else if (fs::is_regular_file(status)) {
        fs::copy_file(from, to, ec);
    } else if (!ec) {
        leftBehind.push_back(shownAs +
                             " は通常のファイルでもフォルダでもないため、新しいフォルダへ移していません");
    }
    if (ec)
        throw folderError("ファイルを新しいフォルダへ移せません: ", from, ec);
}

// `<data file>.tavu-` and six letters or digits: the unique working name of a save.
bool isWorkingFileName(const std::string& name) {
    constexpr std::size_t UniquePart = 6;
    constexpr std::string_view Unique = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::size_t tail = WorkingFileInfix.size() + UniquePart;
    if (name.size() <= tail ||
        name.compare(name.size() - tail, WorkingFileInfix.size(), WorkingFileInfix) != 0)
        return false;
    return std::ranges::count(requiredSystemFiles(), name.substr(0, name.size() - tail)) > 0 &&
           name.find_first_not_of(Unique, name.size() - UniquePart) == std::string::npos;
}

// Files only (a link counts as one and goes itself, never what it points at).
void removeFile(const fs::path& path) {
    std::error_code ec;
    auto status = fs::symlink_status(path, ec);
    if (!ec && (fs::is_regular_file(status) || fs::is_symlink(status)))
        fs::remove(path, ec);
}

} // namespace

void makeStagingDir(const fs::path& systemDir) {
    fs::path staging = stagingDirFor(systemDir);
    std::error_code ec;
    fs::remove_all(staging, ec); // a staging folder left by a crash holds nothing we trust
    // Made here and now: a folder or link that turned up at the name makes this fail.
    createNewFolder(staging, ec);
    if (ec)
        throw folderError("作業用フォルダを作成できません: ", staging, ec);
}

std::vector<std::string> carryOverOtherFiles(const fs::path& systemDir, const fs::path& stagingDir) {
    std::vector<std::string> leftBehind;
    std::error_code ec;
    for (fs::directory_iterator it(systemDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code staged;
        if (std::ranges::count(requiredSystemFiles(), name) > 0 || name == VersionFileName ||
            fs::exists(fs::symlink_status(stagingDir / name, staged)))
            continue;
        carryOver(*it, stagingDir / name, name, leftBehind);
    }
    if (ec)
        throw folderError("フォルダを読み取れません: ", systemDir, ec);
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
    // The renames are only as durable as the data they point at.
    std::error_code unsynced;
    for (const auto& entry : fs::directory_iterator(stagingDir, unsynced))
        if (entry.is_regular_file(unsynced))
            syncToDisk(entry.path());
    syncToDisk(stagingDir);
    rename(current, previous, ec);
    if (ec)
        throw folderError("フォルダを入れ替えられません: ", current, ec);
    rename(stagingDir, current, ec);
    if (ec) {
        std::error_code undo;
        rename(previous, current, undo);
        throw folderError("フォルダを入れ替えられません: ", current, ec);
    }
    syncToDisk(current.parent_path());
    fs::remove_all(previous, ec); // the new set is in place; a left-over is dropped next time
}

std::string recoverInterruptedSwap(const fs::path& systemDir) {
    fs::path current = withoutTrailingSlash(systemDir);
    fs::path previous = previousDirFor(systemDir);
    std::error_code ec;
    // Only a real folder can be a set the swap kept; anything else there is not ours to restore.
    if (!fs::is_directory(fs::symlink_status(previous, ec)) || fs::exists(fs::symlink_status(current, ec))) {
        fs::remove_all(previous, ec);
        return {};
    }
    fs::rename(previous, current, ec);
    if (ec)
        return "データフォルダ " + current.string() + " がありません。前回のデータ更新で残った " +
               previous.string() + " を戻せませんでした (" + systemErrorText(ec) + ")";
    return "前回のデータ更新が途中で止まっていたため、元のデータを戻しました: " + previous.string() + " → " +
           current.string();
}

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
