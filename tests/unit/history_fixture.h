#pragma once

#include "history/draw_entry.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tavu::test {

// A draw as the window would record it: `lines` result lines of Japanese card names.
history::DrawEntry sampleDraw(const std::string& command, int number, int lines = 50);

// The name of an SQLite VFS that behaves as the system's own, except that opening a
// database file for which `failOpen` answers true fails as a file without permissions does.
// Tests run as root, for whom mode 000 opens all the same.
const char* faultyVfs();
void setOpenFailure(std::function<bool(const std::filesystem::path&)> failOpen);

// A file's mode is 000: what a user without rights meets.
bool modeIsZero(const std::filesystem::path& file);

// The first column of every row of `sql` over `file`, as text, from a connection of its own.
std::vector<std::string> queryColumn(const std::filesystem::path& file, const std::string& sql);

// Files in `dir` whose names hold `infix` (".damaged-", ".locked-", ...), without the logs
// ("-wal", "-shm") beside them.
std::vector<std::filesystem::path> filesNamedWith(const std::filesystem::path& dir, const std::string& infix);

// A history file of this program's layout holding `rows` draws, closed again.
void makeHistory(const std::filesystem::path& file, int rows);

} // namespace tavu::test
