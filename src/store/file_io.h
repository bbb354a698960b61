#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavu {

// Reads a whole file as bytes; throws DataError (line 0) when it cannot be opened or read.
std::string readWholeFile(const std::filesystem::path& path);

// Writes bytes so that `path` holds either its old complete content or the new one at
// every moment: a temporary file in the same folder, flushed to disk, then renamed over
// `path`. Throws DataError naming `path` on any failure and leaves the old file in place.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Writes `bytes` to `path` (created or truncated) and flushes it to disk. Not atomic by
// itself: for working files that are renamed into place afterwards. Throws DataError.
void writeFileDurably(const std::filesystem::path& path, std::string_view bytes);

// Renames `from` over `to` in one step (a replacing move), syncing the folder after.
// Throws DataError naming `to` on failure.
void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Crash-injection seam for tests: when set, the hook runs at every point where a crash
// could interrupt a write (after each slice of written bytes, after the flush, after the
// rename). The program never sets it.
using FileFaultHook = void (*)(const char* step);
void setFileFaultHook(FileFaultHook hook);

} // namespace tavu
