#pragma once

#include "cli_commands.h"
#include "store/data_error.h"
#include "store/random_source.h"
#include "store/settings.h"
#include "store/tables.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// What every command shares: the data folder read without changing it, the seeding of the
// random source, and the printing of result lines as the result file would hold them.
namespace tavu::cli {

// The data folder as start-up reads it, but read-only: the settings are deciphered in
// memory and system.tri is never rewritten.
struct CliData {
    SettingsArray settings{};
    Tables tables;
};

// Throws DataError (file and line) when a file cannot be read.
CliData loadData(const CliOptions& options);

// Prints Shift-JIS lines: as UTF-8 ended by LF, or with --sjis as the bytes ended by
// CR LF (the result file's bytes). With --footer the lines of Comment.tri follow.
// Throws DataError when the footer cannot be read.
void printLines(const CliOptions& options, std::vector<std::string> sjisLines, std::ostream& out);

// Prints a warning or "該当カードなし" (UTF-8) on `err`; returns ExitWarning.
int reportWarning(std::string_view text, std::ostream& err);

// "path:line: reason" for a DataError, the form compilers use, so editors can jump there.
std::string describeDataError(const DataError& error);

// Runs a command's body over the loaded data and the seeded random source, and stores
// its exit code in options.exitCode. A data folder that cannot be read ends with
// ExitDataFolder and the file and line on stderr.
using CommandBody = std::function<int(const CliData& data, RandomSource& random)>;
void runCommand(CliOptions& options, const CommandBody& body);

} // namespace tavu::cli
