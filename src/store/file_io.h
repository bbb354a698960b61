#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavu {

// The most any file the program reads may hold unless its reader asks for less.
inline constexpr std::size_t DefaultReadLimit = 16u * 1024u * 1024u;

// Reads a whole regular file as bytes. Throws DataError (line 0) naming the file when it cannot
// be opened, is a folder, a FIFO or any other non-regular file (never waited on), holds more than
// `maxBytes`, or cannot be read.
std::string readWholeFile(const std::filesystem::path& path, std::size_t maxBytes = DefaultReadLimit);

// A working file is named `<file>` + this + six unique letters or digits.
inline constexpr std::string_view WorkingFileInfix = ".tavu-";

// Writes bytes so that `path` holds either its old complete content or the new one at every
// moment. The new content goes to a working file beside `path` under a unique name, created
// exclusively (an existing file or link of that name makes the creation fail; no link is
// followed), flushed to disk, given `writeTime` when set, then renamed over `path`: a link at
// `path` is replaced, never written through. Throws DataError naming `path` on any failure and
// leaves the old file in place.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::optional<std::filesystem::file_time_type> writeTime = std::nullopt);

// Asks the system to put a file, or a folder's entries, on the disk: a rename is durable only
// once its folder is synced. An empty path is the current folder. Does nothing on Windows.
void syncToDisk(const std::filesystem::path& path);

// Crash-injection seam for tests: when set, the hook runs at every point where a crash
// could interrupt a write (after each slice of written bytes, after the flush, after the
// rename). The program never sets it.
using FileFaultHook = void (*)(const char* step);
void setFileFaultHook(FileFaultHook hook);

} // namespace tavu
