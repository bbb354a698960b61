#pragma once

#include "sqlite_db.h"

#include <cstdint>

namespace tavu::history {

// Marks a database as a history file ("TAVU"), so that another program's database given by
// mistake is told apart from an empty one.
inline constexpr std::int64_t HistoryApplicationId = 0x54415655;

// The schema version this program writes (PRAGMA user_version).
std::int64_t currentSchemaVersion();

// A file at the history path that is sound but not ours to change.
struct SchemaRefusal {
    enum class Kind { Newer, Foreign };
    Kind kind;
    std::int64_t version;
};

// Throws SchemaRefusal unless the file is empty or a history file of a version this program
// knows; reads only, so a refused file is left as it was.
void refuseUnknown(Database& db);

// Brings the file to the current schema, every step from its version on in one transaction,
// so a crash leaves it at its old version or the new one. Throws SchemaRefusal for a file a
// newer program wrote or another program's database (neither is touched), SqlError with
// SQLITE_CORRUPT for a history file whose tables are missing, SqlError for any other failure.
void prepareSchema(Database& db);

} // namespace tavu::history
