#pragma once

#include <filesystem>

namespace tavu {

// Keeps two downloads (the window and tavu-cli, say) from sharing one staging folder, where
// one could truncate a file the other has already checked and is about to swap in. An
// advisory lock on a small file beside `system`, released when the object goes or the
// process ends, however it ends.
class UpdateLock {
public:
    explicit UpdateLock(const std::filesystem::path& systemDir);
    ~UpdateLock();
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    // False when another download holds the lock (or the lock file cannot be made).
    bool acquired() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace tavu
