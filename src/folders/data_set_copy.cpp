#include "data_set_copy.h"

#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"

#include <random>
#include <vector>

namespace tavu {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view UnfinishedSuffix = ".new-";

void copyFiles(const fs::path& from, const fs::path& to) {
    for (const auto& entry : fs::directory_iterator(from))
        if (entry.is_regular_file())
            writeFileAtomically(to / entry.path().filename(), readWholeFile(entry.path()));
    syncToDisk(to);
}

// A new, empty folder beside `to` with a name no other start uses.
fs::path makeUnfinishedFolder(const fs::path& to) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path dir = to;
        dir += std::string(UnfinishedSuffix) + std::to_string(random());
        if (fs::create_directory(dir))
            return dir;
    }
    throw DataError(to, 0, "作業用フォルダを作成できません");
}

} // namespace

std::optional<std::int32_t> dataVersion(const fs::path& systemDir) {
    try {
        return readSettingsReadOnly(systemDir / SettingsFileName)[entry::DataVersion];
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool copyIntoPlace(const fs::path& from, const fs::path& to) {
    const fs::path unfinished = makeUnfinishedFolder(to);
    try {
        copyFiles(from, unfinished);
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(unfinished, ignored);
        throw;
    }
    std::error_code ec;
    fs::rename(unfinished, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(unfinished, ignored);
        if (fs::exists(to, ignored))
            return false;
        throw DataError(to, 0, "フォルダの名前を変えられません (" + ec.message() + ")");
    }
    syncToDisk(to.parent_path());
    return true;
}

void removeUnfinishedCopies(const fs::path& to) {
    const std::string prefix = to.filename().string() + std::string(UnfinishedSuffix);
    std::vector<fs::path> unfinished;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(to.parent_path(), ec))
        if (entry.path().filename().string().starts_with(prefix))
            unfinished.push_back(entry.path());
    for (const auto& dir : unfinished)
        fs::remove_all(dir, ec);
}

void stageCopy(const fs::path& from, const fs::path& staging) {
    fs::remove_all(staging);
    fs::create_directory(staging);
    copyFiles(from, staging);
}

} // namespace tavu
