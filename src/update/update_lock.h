#pragma once

#include <filesystem>
#include <string>

namespace tavu {

// Keeps two downloads (the window and tavu-cli, say) from sharing one staging folder, where
// one could truncate a file the other has already checked and is about to swap in. An
// advisory lock on the folder that holds `system` (where the staging folder goes), so no lock
// file is made and none can be planted; released when the object goes or the process ends,
// however it ends.
class UpdateLock {
public:
    explicit UpdateLock(const std::filesystem::path& systemDir);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    bool acquired() const { return fd_ >= 0; }
    // Another download holds the lock.
    bool busy() const { return busy_; }
    // Why the lock was not taken, for the user (UTF-8, naming the folder).
    const std::string& failure() const { return failure_; }

private:
    int fd_ = -1;
    bool busy_ = false;
    std::string failure_;
};

} // namespace tavu
