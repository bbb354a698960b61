#include "history_fixture.h"

#include "history/history.h"
#include "history/sqlite_db.h"

#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {

std::function<bool(const fs::path&)> openFailure;

int faultyOpen(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* system = static_cast<sqlite3_vfs*>(vfs->pAppData);
    if (name != nullptr && (flags & SQLITE_OPEN_MAIN_DB) && openFailure && openFailure(name)) {
        file->pMethods = nullptr;
        return SQLITE_CANTOPEN;
    }
    return system->xOpen(system, name, file, flags, outFlags);
}

} // namespace

history::DrawEntry sampleDraw(const std::string& command, int number, int lines) {
    history::DrawEntry draw;
    draw.command = command;
    draw.code = "TAVU1-" + std::to_string(number) + "-" + std::to_string(lines);
    for (int i = 0; i < lines; ++i)
        draw.lines.push_back(std::to_string(i + 1) + "枚目　ファイアードレイク（火）" +
                             std::to_string(number));
    draw.resultFile = number % 2 ? "" : "/home/player/結果 " + std::to_string(number) + ".txt";
    draw.programVersion = "1.0.0";
    draw.dataVersion = 20240101;
    return draw;
}

const char* faultyVfs() {
    static sqlite3_vfs vfs = [] {
        sqlite3_vfs* system = sqlite3_vfs_find(nullptr);
        sqlite3_vfs copy = *system;
        copy.zName = "tavu-test-faulty";
        copy.pAppData = system;
        copy.xOpen = faultyOpen;
        copy.pNext = nullptr;
        return copy;
    }();
    static bool registered = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
    if (!registered)
        throw std::runtime_error("the faulty VFS did not register");
    return vfs.zName;
}

void setOpenFailure(std::function<bool(const fs::path&)> failOpen) {
    openFailure = std::move(failOpen);
}

bool modeIsZero(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && (info.st_mode & 07777) == 0;
}

std::vector<std::string> queryColumn(const fs::path& file, const std::string& sql) {
    history::Database db(file, nullptr);
    history::Statement statement(db, sql);
    std::vector<std::string> values;
    while (statement.step())
        values.push_back(statement.text(0));
    return values;
}

std::vector<fs::path> filesNamedWith(const fs::path& dir, const std::string& infix) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::string name = entry.path().filename().string();
        bool log = name.ends_with("-wal") || name.ends_with("-shm");
        if (!log && name.find(infix) != std::string::npos)
            found.push_back(entry.path());
    }
    return found;
}

void makeHistory(const fs::path& file, int rows) {
    history::History history(file);
    for (int i = 1; i <= rows; ++i)
        if (!history.record(sampleDraw("book", i)))
            throw std::runtime_error("the history did not take a draw");
}

} // namespace tavu::test
