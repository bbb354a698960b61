#include "site_publish.h"

#include "staged_folder.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "update_check.h"

namespace tavu {

namespace fs = std::filesystem;

fs::path siteFilesDir(const fs::path& siteRoot) {
    return siteRoot / "tavuds" / "system_file";
}

fs::path publishSite(const fs::path& sourceSystemDir, const fs::path& outDir,
                     std::optional<std::int32_t> version) {
    if (auto problem = checkStagedSystemFolder(sourceSystemDir))
        throw DataError(sourceSystemDir / problem->file, 0, problem->reason);
    SettingsArray settings = readSettingsReadOnly(sourceSystemDir / SettingsFileName);
    if (version)
        settings[entry::DataVersion] = *version;

    fs::path site = siteFilesDir(outDir);
    std::error_code ec;
    fs::create_directories(site, ec);
    if (ec)
        throw DataError(site, 0, "フォルダを作成できません (" + ec.message() + ")");
    for (const auto& name : requiredSystemFiles())
        if (name != SettingsFileName)
            writeFileAtomically(site / name, readWholeFile(sourceSystemDir / name));
    SaveSettings(site / SettingsFileName, settings);
    writeFileAtomically(site / VersionFileName, std::to_string(settings[entry::DataVersion]) + "\r\n");
    return site;
}

} // namespace tavu
