#pragma once

#include "sqlite_db.h"

#include <chrono>
#include <filesystem>
#include <memory>

namespace tavu::history {

// A connection to a history file set up as every user of the file must have it: the busy
// timeout, SQLite's hardening for files that may be damaged, and a log that is never removed
// by name (see the .cpp). Writes nothing yet. Throws SqlError.
std::unique_ptr<Database> openConnection(const std::filesystem::path& file,
                                         std::chrono::milliseconds busyTimeout, const char* vfs);

// Puts the file in write-ahead-log mode, which lets readers and one writer in other programs
// work at once, with the durability the history needs; waits up to `patience` for other
// programs to let go of the file. Throws SqlError.
void useWriteAheadLog(Database& db, std::chrono::milliseconds patience);

} // namespace tavu::history
