#include "update_lock.h"

#include "staged_folder.h"
#include "store/system_error_text.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tavu {

UpdateLock::UpdateLock(const std::filesystem::path& systemDir) {
#ifndef _WIN32
    std::filesystem::path folder = stagingDirFor(systemDir).parent_path();
    if (folder.empty())
        folder = ".";
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        failure_ =
            "データフォルダのある場所を開けません: " + folder.string() + " (" + systemErrorText(errno) + ")";
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        busy_ = errno == EWOULDBLOCK;
        failure_ = busy_ ? "別のダウンロードが実行中です (" + folder.string() + ")"
                         : "ダウンロードの排他ロックを取れません: " + folder.string() + " (" +
                               systemErrorText(errno) + ")";
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
        ::close(fd_); // closing releases the lock
#endif
}

} // namespace tavu
