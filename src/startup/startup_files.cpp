#include "startup_files.h"

#include "store/system_files.h"
#include "update/staged_folder.h"

#include <exception>
#include <new>

namespace tavu {

StartupFiles readStartupFiles(std::filesystem::path systemDir) {
    StartupFiles files;
    files.systemDir = std::move(systemDir);
    // A data update cut off between its two folder renames (power loss, a crash) left `system`
    // missing or a kept old set beside it; the last whole set goes back before the check.
    files.notice = clearUpdateLeftovers(files.systemDir);
    if (auto missing = firstMissingSystemFile(files.systemDir)) {
        files.reached = StartupFiles::Reached::MissingFile;
        files.error = describeMissingSystemFile(files.systemDir, *missing);
        return files;
    }
    try {
        files.settingsNotWritable =
            LoadSettings(files.systemDir / SettingsFileName, files.settings).notWritable;
        files.reached = StartupFiles::Reached::SettingsRead;
        files.sizes = TableSizes::fromSettings(files.settings);
        loadAllTables(files.systemDir, files.sizes, files.tables);
        files.reached = StartupFiles::Reached::TablesRead;
    } catch (const std::bad_alloc&) {
        files.error = "メモリが足りないためデータを読み込めません: " + files.systemDir.string();
    } catch (const std::exception& e) {
        files.error = e.what();
    }
    return files;
}

} // namespace tavu
