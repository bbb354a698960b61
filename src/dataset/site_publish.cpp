#include "site_publish.h"

#include "data_check.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"

#include <optional>

namespace tavu {

namespace fs = std::filesystem;

namespace {

struct SettingsFile {
    SettingsArray entries{};
    std::optional<std::uint32_t> lockedAt; // the lock's stored date-time; none for a plain file
};

SettingsFile settingsOf(const DataFiles& files) {
    SettingsFile settings;
    std::string bytes = files.at(SettingsFileName);
    if (auto unlocked = unlockBytes(bytes, SettingsKey)) {
        bytes = std::move(unlocked->plain);
        settings.lockedAt = unlocked->packedDateTime;
    }
    parseSettings(bytes, SettingsFileName, settings.entries);
    return settings;
}

} // namespace

fs::path siteFilesDir(const fs::path& siteRoot) {
    return siteRoot / "tavuds" / "system_file";
}

DataFiles readSystemFolder(const fs::path& systemDir) {
    DataFiles files;
    for (const auto& name : requiredSystemFiles())
        files[name] = readSystemFile(systemDir, name); // bounded, as every reader of the folder
    return files;
}

void setDataVersion(DataFiles& files, std::int32_t version) {
    if (!files.count(SettingsFileName))
        throw DataError(SettingsFileName, 0, "ファイルがありません");
    SettingsFile settings = settingsOf(files);
    settings.entries[entry::DataVersion] = version;
    std::string plain = formatSettings(settings.entries);
    files[SettingsFileName] = settings.lockedAt ? lockBytes(plain, SettingsKey, *settings.lockedAt) : plain;
}

fs::path publishSite(const DataFiles& files, const fs::path& outDir) {
    // Whatever the site serves, every client will swap in: it must pass the same check.
    if (auto problems = checkDataFiles(files); !problems.empty())
        throw DataError(problems.front().file, problems.front().line, problems.front().message);
    const std::int32_t version = settingsOf(files).entries[entry::DataVersion];
    // A client reads the version as its first ten characters: a sign would cut it.
    if (version < 0)
        throw DataError(SettingsFileName, entry::DataVersion + 1,
                        "データのバージョン (エントリ 58) が負の数です: " + std::to_string(version));

    fs::path site = siteFilesDir(outDir);
    std::error_code ec;
    fs::create_directories(site, ec);
    if (ec)
        throw DataError(site, 0, "フォルダを作成できません (" + ec.message() + ")");
    for (const auto& name : requiredSystemFiles())
        writeFileAtomically(site / name, files.at(name));
    writeFileAtomically(site / VersionFileName, std::to_string(version) + "\r\n");
    return site;
}

} // namespace tavu
