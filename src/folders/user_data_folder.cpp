#include "user_data_folder.h"

#include "data_set_copy.h"
#include "startup/data_folder_use.h"
#include "store/data_error.h"
#include "store/system_files.h"
#include "update/staged_folder.h"
#include "update/update_lock.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

void createFromInstalledSet(const DataFolderChoice& choice, DataFolderPreparation& result) {
    if (auto missing = firstMissingSystemFile(choice.installedSet)) {
        result.problem =
            "インストールされたデータに " + *missing + " がありません: " + choice.installedSet.string();
        return;
    }
    try {
        result.created = copyIntoPlace(choice.installedSet, choice.systemDir);
    } catch (const std::exception& e) {
        result.problem =
            "データフォルダを作成できません: " + choice.systemDir.string() + " (" + e.what() + ")";
    }
}

void upgradeFromInstalledSet(const DataFolderChoice& choice, DataFolderPreparation& result) {
    const auto installed = dataVersion(choice.installedSet);
    const auto current = dataVersion(choice.systemDir);
    if (!installed || !current || *installed <= *current)
        return;
    result.fromVersion = *current;
    result.toVersion = *installed;
    const fs::path staging = stagingDirFor(choice.systemDir);
    try {
        stageCopy(choice.installedSet, staging);
        if (auto problem = checkStagedSystemFolder(staging))
            throw DataError(staging / problem->file, 0, problem->reason);
        carryOverOtherFiles(choice.systemDir, staging);
        swapInStagedFolder(choice.systemDir, staging);
        result.upgraded = true;
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        result.problem = e.what();
    }
}

} // namespace

DataFolderPreparation prepareDataFolder(const DataFolderChoice& choice) {
    DataFolderPreparation result;
    if (choice.kind != DataFolderChoice::Kind::User)
        return result;
    if (choice.systemDir.empty()) {
        result.problem = "利用者のデータフォルダの場所が分かりません (HOME が設定されていません)";
        return result;
    }
    std::error_code ec;
    fs::create_directories(choice.systemDir.parent_path(), ec);
    if (ec) {
        result.problem = "フォルダを作成できません: " + choice.systemDir.parent_path().string() + " (" +
                         ec.message() + ")";
        return result;
    }
    // The lock a download holds: no copy or upgrade runs while another process swaps folders.
    UpdateLock lock(choice.systemDir);
    if (lock.acquired()) {
        recoverInterruptedSwap(choice.systemDir);
        removeUnfinishedCopies(choice.systemDir);
    }
    if (!fs::exists(choice.systemDir, ec)) {
        // Without the lock a missing folder may be a swap under way elsewhere: leave it be.
        if (lock.acquired() || !fs::exists(previousDirFor(choice.systemDir), ec))
            createFromInstalledSet(choice, result);
    } else if (lock.acquired() && !dataFolderInUse(choice.systemDir)) {
        // A running window goes on with the set it read; the next start brings it up.
        upgradeFromInstalledSet(choice, result);
    }
    return result;
}

std::vector<std::string> DataFolderPreparation::noticeLines(const fs::path& systemDir) const {
    const std::string versions =
        "データのバージョン: " + std::to_string(fromVersion) + " → " + std::to_string(toVersion);
    if (upgraded)
        return {"インストールされた新しいデータで、データフォルダを更新しました。", versions,
                "抽出条件などの設定は新しいデータのものになりました。", "", systemDir.string()};
    if (upgradeFailed())
        return {"インストールされた新しいデータでデータフォルダを更新できませんでした。", versions,
                "これまでのデータで続けます。", "", "理由: " + problem};
    if (!problem.empty())
        return {problem};
    return {};
}

} // namespace tavu
