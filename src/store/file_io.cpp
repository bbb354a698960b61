#include "file_io.h"

#include "data_error.h"
#include "system_error_text.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavu {

namespace fs = std::filesystem;

namespace {

FileFaultHook faultHook = nullptr;

void faultPoint(const char* step) {
    if (faultHook)
        faultHook(step);
}

// Under a fault hook, writes go out in small slices so a crash can land inside a file.
constexpr std::size_t FaultSliceSize = 16;

std::string withReason(const char* what, int error) {
    return std::string(what) + " (" + systemErrorText(error) + ")";
}

std::string tooLarge(std::uintmax_t size, std::size_t limit) {
    return "ファイルが大きすぎます (" + std::to_string(size) + " バイト、上限 " + std::to_string(limit) +
           " バイト)";
}

// Renames `from` over `to` in one step (a replacing move). Throws DataError naming `to`.
#ifdef _WIN32
void replaceFile(const fs::path& from, const fs::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw DataError(to, 0, "ファイルを置き換えられません");
}
#else
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor)
        : fd(descriptor) {}
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    // Closes now, reporting what close() says (a delayed write error shows up here).
    int close() { return ::close(std::exchange(fd, -1)); }

    int fd;
};

void replaceFile(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw DataError(to, 0, withReason("ファイルを置き換えられません", errno));
    faultPoint("rename");
    syncToDisk(to.parent_path());
}

void writeAll(int fd, std::string_view bytes, const fs::path& shownAs) {
    while (!bytes.empty()) {
        std::size_t slice = faultHook ? std::min(bytes.size(), FaultSliceSize) : bytes.size();
        ssize_t written = ::write(fd, bytes.data(), slice);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            throw DataError(shownAs, 0, withReason("書き込みに失敗しました", errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
        faultPoint("write");
    }
}

void setWriteTime(int fd, fs::file_time_type time) {
    using namespace std::chrono;
    auto ns = duration_cast<nanoseconds>(file_clock::to_sys(time).time_since_epoch());
    auto whole = floor<seconds>(ns);
    timespec times[2] = {{0, UTIME_OMIT},
                         {static_cast<time_t>(whole.count()), static_cast<long>((ns - whole).count())}};
    ::futimens(fd, times); // only a time stamp: the content is what matters
}
#endif

} // namespace

void syncToDisk([[maybe_unused]] const fs::path& path) {
#ifndef _WIN32
    // Non-blocking: a FIFO put where a file was expected is never waited on.
    int fd = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

void setFileFaultHook(FileFaultHook hook) {
    faultHook = hook;
}

#ifdef _WIN32

std::string readWholeFile(const fs::path& path, std::size_t maxBytes) {
    std::error_code ec;
    auto status = fs::status(path, ec);
    if (ec)
        throw DataError(path, 0, withReason("ファイルを開けません", ec.value()));
    if (fs::is_directory(status))
        throw DataError(path, 0, "ファイルではなくフォルダです");
    if (!fs::is_regular_file(status))
        throw DataError(path, 0, "通常のファイルではありません");
    auto size = fs::file_size(path, ec);
    if (!ec && size > maxBytes)
        throw DataError(path, 0, tooLarge(size, maxBytes));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DataError(path, 0, "ファイルを開けません");
    std::string bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    if (in.bad())
        throw DataError(path, 0, "ファイルを読み込めません");
    if (bytes.size() > maxBytes)
        throw DataError(path, 0, tooLarge(bytes.size(), maxBytes));
    return bytes;
}

void writeFileAtomically(const fs::path& path, std::string_view bytes,
                         std::optional<fs::file_time_type> writeTime) {
    static std::atomic<unsigned> counter{0};
    HANDLE h = INVALID_HANDLE_VALUE;
    fs::path temp;
    for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        temp = path;
        temp += std::string(WorkingFileInfix) + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter++);
        // CREATE_NEW fails on any existing name, a link included.
        h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (h == INVALID_HANDLE_VALUE)
        throw DataError(path, 0, "一時ファイルを作成できません");
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(h);
    CloseHandle(h);
    try {
        if (!ok)
            throw DataError(path, 0, "書き込みに失敗しました");
        if (writeTime) {
            std::error_code ec;
            fs::last_write_time(temp, *writeTime, ec);
        }
        replaceFile(temp, path);
    } catch (...) {
        DeleteFileW(temp.c_str());
        throw;
    }
}

#else

std::string readWholeFile(const fs::path& path, std::size_t maxBytes) {
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that may never come.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.fd < 0)
        throw DataError(path, 0, withReason("ファイルを開けません", errno));
    struct stat info {};
    if (::fstat(fd.fd, &info) != 0)
        throw DataError(path, 0, withReason("ファイルを読み込めません", errno));
    if (S_ISDIR(info.st_mode))
        throw DataError(path, 0, "ファイルではなくフォルダです");
    if (!S_ISREG(info.st_mode))
        throw DataError(path, 0, "通常のファイルではありません (FIFO や装置など)");
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        throw DataError(path, 0, tooLarge(static_cast<std::uintmax_t>(info.st_size), maxBytes));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[64 * 1024];
    while (ssize_t got = ::read(fd.fd, buffer, sizeof buffer)) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw DataError(path, 0, withReason("ファイルを読み込めません", errno));
        // A file may grow between the size check and the read.
        std::size_t total = bytes.size() + static_cast<std::size_t>(got);
        if (total > maxBytes)
            throw DataError(path, 0, tooLarge(total, maxBytes));
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

void writeFileAtomically(const fs::path& path, std::string_view bytes,
                         std::optional<fs::file_time_type> writeTime) {
    // mkostemp creates with O_EXCL: a file or link already at the name makes it pick another.
    std::string pattern = path.string() + std::string(WorkingFileInfix) + "XXXXXX";
    FileDescriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.fd < 0)
        throw DataError(path, 0, withReason("一時ファイルを作成できません", errno));
    fs::path temp = pattern;
    try {
        writeAll(fd.fd, bytes, path);
        if (::fsync(fd.fd) != 0)
            throw DataError(path, 0, withReason("ディスクへの書き込みに失敗しました", errno));
        faultPoint("flush");
        ::fchmod(fd.fd, 0644);
        if (writeTime)
            setWriteTime(fd.fd, *writeTime);
        if (fd.close() != 0)
            throw DataError(path, 0, withReason("書き込みに失敗しました", errno));
        replaceFile(temp, path);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

#endif

} // namespace tavu
