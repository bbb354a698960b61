#include "data_check.h"
#include "store/data_error.h"
#include "store/system_files.h"

namespace tavu {

namespace fs = std::filesystem;

std::vector<DataProblem> checkDataFolder(const fs::path& systemDir) {
    std::error_code ec;
    auto folder = fs::status(systemDir, ec);
    if (!fs::exists(folder))
        return {{systemDir.string(), 0, "フォルダがありません", 0}};
    if (!fs::is_directory(folder))
        return {{systemDir.string(), 0, "フォルダではありません", 0}};
    DataFiles files;
    std::map<std::string, std::string> unreadable;
    for (const auto& name : requiredSystemFiles()) {
        if (!fs::exists(systemDir / name, ec))
            continue;
        try {
            files[name] = readSystemFile(systemDir, name);
        } catch (const DataError& e) {
            unreadable[name] = e.reason();
        }
    }
    return checkDataFiles(files, unreadable);
}

std::string describe(const DataProblem& problem) {
    std::string where = problem.file;
    if (problem.line > 0)
        where += ":" + std::to_string(problem.line);
    return where + ": " + problem.message;
}

std::size_t countProblems(const std::vector<DataProblem>& problems) {
    std::size_t count = 0;
    for (const auto& problem : problems)
        count += problem.omitted > 0 ? static_cast<std::size_t>(problem.omitted) : 1;
    return count;
}

} // namespace tavu
