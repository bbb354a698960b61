#pragma once

#include <filesystem>

namespace tavu {

// A running window holds its data folder, so that an update from the command line does not
// replace the folder under it (the window would go on with the old tables and write their
// settings over the new set). The window keeps a shared lock on `<folder>.window.lock` beside
// the folder, named after the folder's canonical path so that every way of naming it (`.`, a
// link) meets the same file. The operating system drops the lock when the process ends,
// however it ends.
class DataFolderUse {
public:
    explicit DataFolderUse(const std::filesystem::path& systemDir);
    ~DataFolderUse();
    DataFolderUse(const DataFolderUse&) = delete;
    DataFolderUse& operator=(const DataFolderUse&) = delete;

    // False when the lock file cannot be made (a read-only parent folder): the window then
    // relies on checking the settings file before each save.
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// True while some process holds `systemDir` through a DataFolderUse. Only looks: takes no
// lock and creates no file.
bool dataFolderInUse(const std::filesystem::path& systemDir);

} // namespace tavu
