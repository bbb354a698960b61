#include "update_lock.h"

#include "staged_folder.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavu {

UpdateLock::UpdateLock(const std::filesystem::path& systemDir) {
#ifndef _WIN32
    std::filesystem::path file = stagingDirFor(systemDir);
    file += ".lock";
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
#else
    (void)systemDir;
    fd_ = 0; // the window is single-instance there and the command line is not shipped
#endif
}

UpdateLock::~UpdateLock() {
#ifndef _WIN32
    if (fd_ >= 0)
        ::close(fd_); // closing releases the lock; the file stays for the next run
#endif
}

} // namespace tavu
