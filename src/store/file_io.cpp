#include "file_io.h"

#include "data_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

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

std::string systemReason(const char* what) {
    return std::string(what) + " (" + std::strerror(errno) + ")";
}

#ifndef _WIN32
// Makes a rename durable: the folder entry itself must reach the disk.
void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void writeAll(int fd, std::string_view bytes, const fs::path& shownAs) {
    while (!bytes.empty()) {
        std::size_t slice = faultHook ? std::min(bytes.size(), FaultSliceSize) : bytes.size();
        ssize_t written = ::write(fd, bytes.data(), slice);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw DataError(shownAs, 0, systemReason("書き込みに失敗しました"));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        faultPoint("write");
    }
}
#endif

} // namespace

void setFileFaultHook(FileFaultHook hook) {
    faultHook = hook;
}

std::string readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DataError(path, 0, "ファイルを開けません");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw DataError(path, 0, "ファイルを読み込めません");
    return bytes;
}

#ifdef _WIN32

void replaceFile(const fs::path& from, const fs::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw DataError(to, 0, "ファイルを置き換えられません");
}

void writeFileDurably(const fs::path& path, std::string_view bytes) {
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        throw DataError(path, 0, "ファイルを作成できません");
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(h);
    CloseHandle(h);
    if (!ok)
        throw DataError(path, 0, "書き込みに失敗しました");
}

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path temp = path;
    temp += L".tmp";
    try {
        writeFileDurably(temp, bytes);
        replaceFile(temp, path);
    } catch (...) {
        DeleteFileW(temp.c_str());
        throw;
    }
}

#else

void replaceFile(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw DataError(to, 0, systemReason("ファイルを置き換えられません"));
    faultPoint("rename");
    syncFolder(to.parent_path());
}

void writeFileDurably(const fs::path& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw DataError(path, 0, systemReason("ファイルを作成できません"));
    try {
        writeAll(fd, bytes, path);
        if (::fsync(fd) != 0)
            throw DataError(path, 0, systemReason("ディスクへの書き込みに失敗しました"));
        faultPoint("flush");
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw DataError(path, 0, systemReason("書き込みに失敗しました"));
}

void writeFileAtomically(const fs::path& path, std::string_view bytes) {
    std::string pattern = path.string() + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw DataError(path, 0, systemReason("一時ファイルを作成できません"));
    fs::path temp = pattern;
    try {
        writeAll(fd, bytes, path);
        if (::fsync(fd) != 0)
            throw DataError(path, 0, systemReason("ディスクへの書き込みに失敗しました"));
        faultPoint("flush");
        ::fchmod(fd, 0644);
        if (::close(fd) != 0) {
            fd = -1;
            throw DataError(path, 0, systemReason("書き込みに失敗しました"));
        }
        fd = -1;
        replaceFile(temp, path);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
}

#endif

} // namespace tavu
