#include "platform_instance_guard.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
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

std::filesystem::path lockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0')
        return runtime;
    std::error_code ec;
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
