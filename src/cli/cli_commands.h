#pragma once

#include "folders/data_folder_choice.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace CLI {
class App;
}

namespace tavu::cli {

// ExitNetwork: the site could not be reached or a download failed; nothing was changed.
// ExitLineDiffers, ExitOtherData: `check` found a line the file's code does not draw, or a
// file drawn on other data (`replay` refuses such a code with ExitOtherData too).
// ExitFolderInUse: a running window holds the data folder that `update` would replace.
enum ExitCode : int {
    ExitOk = 0,
    ExitDataFolder = 1,
    ExitUsage = 2,
    ExitWarning = 3,
    ExitNetwork = 4,
    ExitLineDiffers = 5,
    ExitOtherData = 6,
    ExitFolderInUse = 7
};

// How a draw prints its result: the page's lines, or one record for other programs.
enum class OutputFormat { Text, Json, Csv };

// Options shared by every command, filled by CLI11 before a command's callback runs.
struct CliOptions {
    std::filesystem::path systemDir;          // --system, then the folder chosen as the window chooses it
    DataFolderChoice folder;                  // which folder systemDir is, and why
    std::optional<std::uint32_t> seed;        // --seed
    bool sjis = false;                        // --sjis: Shift-JIS bytes with CR LF
    bool footer = false;                      // --footer: append Comment.tri
    bool fields = false;                      // --fields: single draws print their result fields
    OutputFormat format = OutputFormat::Text; // --format
    bool record = false;                      // --record: draws are kept in the history
    std::filesystem::path historyFile;        // --history; empty for the user's data folder
    int exitCode = ExitOk;                    // set by the command that ran
};

// The options every command shares, then every command (one line per command file). Once the
// command line is read the data folder is chosen, and the user's data folder made or brought up
// to date (for every command but `where`, which only tells, and `history`, which reads no data).
void addCommands(CLI::App& app, CliOptions& options);

void addVerifyCommand(CLI::App& app, CliOptions& options);
// creature, item and spell, each with its single and multiple draw.
void addCardDrawCommands(CLI::App& app, CliOptions& options);
void addBookCommand(CLI::App& app, CliOptions& options);
void addMapCommand(CLI::App& app, CliOptions& options);
void addCpuCommand(CLI::App& app, CliOptions& options);
void addReplayCommand(CLI::App& app, CliOptions& options);
void addCheckCommand(CLI::App& app, CliOptions& options);
void addPublishCommand(CLI::App& app, CliOptions& options);
void addUpdateCommand(CLI::App& app, CliOptions& options);
void addWhereCommand(CLI::App& app, CliOptions& options);
void addHistoryCommand(CLI::App& app, CliOptions& options);

} // namespace tavu::cli
