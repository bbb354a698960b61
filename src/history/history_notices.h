#pragma once

#include "history_schema.h"
#include "set_aside.h"

#include <filesystem>
#include <string>

// What the player is told, once, when the history could not be used as it was. Every text
// names the file and says what became of the draw's record.
namespace tavu::history::notice {

std::string movedAside(const std::filesystem::path& file, const std::filesystem::path& aside,
                       Trouble trouble);
std::string notMoved(const std::filesystem::path& file, Trouble trouble, const std::string& why);
std::string refused(const std::filesystem::path& file, const SchemaRefusal& refusal);
std::string notWritten(const std::filesystem::path& file, const std::string& why);
std::string noFolder(const std::filesystem::path& folder, const std::string& why);
std::string noPlace();

// What went wrong in the user's words where there are some, SQLite's own otherwise.
std::string reasonOf(const SqlError& error);

} // namespace tavu::history::notice
