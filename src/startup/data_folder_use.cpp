#include "data_folder_use.h"

#include "store/system_files.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

#ifndef _WIN32

namespace {

fs::path lockFileFor(const fs::path& systemDir) {
    const fs::path dir = normalisedFolder(systemDir);
    return dir.parent_path() / (dir.filename().string() + ".window.lock");
}

// O_NONBLOCK: a FIFO put in the lock file's place must not hang the program.
//
// Open-file-description locks belong to the descriptor, not the process: a test holding the
// lock can look at it from the same process, and closing another descriptor of the file does
// not drop it.
#ifdef F_OFD_SETLK
constexpr int SetLock = F_OFD_SETLK;
constexpr int GetLock = F_OFD_GETLK;
#else
constexpr int SetLock = F_SETLK;
constexpr int GetLock = F_GETLK;
#endif

struct flock wholeFile(short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

} // namespace

DataFolderUse::DataFolderUse(const fs::path& systemDir) {
    fd_ = ::open(lockFileFor(systemDir).c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                 0644);
    struct flock lock = wholeFile(F_RDLCK);
    if (fd_ >= 0 && ::fcntl(fd_, SetLock, &lock) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

DataFolderUse::~DataFolderUse() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock; the file stays for the next run
}

bool dataFolderInUse(const fs::path& systemDir) {
    const int fd = ::open(lockFileFor(systemDir).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false; // no window has ever held the folder, or none can
    struct flock lock = wholeFile(F_WRLCK);
    const bool held = ::fcntl(fd, GetLock, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

#else

// The window is single-instance there and the command line is not shipped.
DataFolderUse::DataFolderUse(const fs::path&) {}
DataFolderUse::~DataFolderUse() = default;
bool dataFolderInUse(const fs::path&) {
    return false;
}

#endif

} // namespace tavu
