#include "site_publish.h"

#include "data_check.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "update_check.h"

namespace tavu {

namespace fs = std::filesystem;

namespace {

SettingsArray settingsOf(const DataFiles& files) {
    std::string bytes = files.at(SettingsFileName);
    if (auto unlocked = unlockBytes(bytes, SettingsKey))
        bytes = std::move(unlocked->plain);
    SettingsArray settings{};
    parseSettings(bytes, SettingsFileName, settings);
    return settings;
}

} // namespace

fs::path siteFilesDir(const fs::path& siteRoot) {
    return siteRoot / "tavuds" / "system_file";
}

DataFiles readSystemFolder(const fs::path& systemDir) {
    DataFiles files;
    for (const auto& name : requiredSystemFiles())
        files[name] = readWholeFile(systemDir / name);
    return files;
}

fs::path publishSite(const DataFiles& files, const fs::path& outDir, std::optional<std::int32_t> version) {
    // Whatever the site serves, every client will swap in: it must pass the same check.
    if (auto problems = checkDataFiles(files); !problems.empty())
        throw DataError(problems.front().file, problems.front().line, problems.front().message);
    SettingsArray settings = settingsOf(files);
    if (version)
        settings[entry::DataVersion] = *version;

    fs::path site = siteFilesDir(outDir);
    std::error_code ec;
    fs::create_directories(site, ec);
    if (ec)
        throw DataError(site, 0, "フォルダを作成できません (" + ec.message() + ")");
    for (const auto& name : requiredSystemFiles())
        if (name != SettingsFileName)
            writeFileAtomically(site / name, files.at(name));
    SaveSettings(site / SettingsFileName, settings);
    writeFileAtomically(site / VersionFileName, std::to_string(settings[entry::DataVersion]) + "\r\n");
    return site;
}

} // namespace tavu
