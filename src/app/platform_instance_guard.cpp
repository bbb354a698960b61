#include "platform_instance_guard.h"

#include "folders/user_folders.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavu {

#ifdef _WIN32

SingleInstanceGuard::SingleInstanceGuard(const std::string& name) {
    HANDLE existing = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, name.c_str());
    if (existing != nullptr) {
        CloseHandle(existing);
        return;
    }
    mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
    acquired_ = true;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (mutex_ != nullptr) {
        ReleaseMutex(static_cast<HANDLE>(mutex_));
        CloseHandle(static_cast<HANDLE>(mutex_));
    }
}

#else

namespace {

// The user's runtime folder, or a folder of the user's own when the session has none.
std::filesystem::path lockFolder() {
    std::filesystem::path dir = UserFolders::fromProcess().instanceLockDir();
    std::error_code ec;
    if (!dir.empty())
        std::filesystem::create_directories(dir, ec);
    if (!dir.empty() && !ec)
        return dir;
    auto temp = std::filesystem::temp_directory_path(ec);
    return ec ? std::filesystem::path("/tmp") : temp;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name) {
    const auto path = lockFolder() / (name + ".lock");
    // A link planted at the name is not followed: no file is made or opened through it.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        // Without a lock file we cannot tell; refusing to start would punish the user for it.
        acquired_ = true;
        return;
    }
    acquired_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (fd_ >= 0)
        ::close(fd_);
}

#endif

} // namespace tavu
