#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

// Copies of a whole data set, made so that a crash at any point leaves nothing half made
// under the name a start looks for.
namespace tavu {

// Settings entry 58 of a data folder; nullopt when its settings cannot be read.
std::optional<std::int32_t> dataVersion(const std::filesystem::path& systemDir);

// Copies every file of `from` into a new folder beside `to` (system.new-…), flushes it to
// disk and renames it to `to` in one step. False when `to` appeared meanwhile (another start
// made it first), in which case the copy is dropped. Throws DataError or filesystem_error.
bool copyIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes what a copyIntoPlace cut short left beside `to`.
void removeUnfinishedCopies(const std::filesystem::path& to);

// Replaces `staging` by a flushed copy of every file of `from`. Throws as copyIntoPlace.
void stageCopy(const std::filesystem::path& from, const std::filesystem::path& staging);

} // namespace tavu
