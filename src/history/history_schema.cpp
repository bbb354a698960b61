#include "history_schema.h"

#include <iterator>
#include <sqlite3.h>
#include <string>

namespace tavu::history {

namespace {

void createVersion1(Database& db) {
    db.exec("CREATE TABLE draws ("
            " id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " time TEXT NOT NULL,"
            " command TEXT NOT NULL,"
            " code TEXT NOT NULL,"
            " lines TEXT NOT NULL,"
            " result_file TEXT NOT NULL,"
            " program_version TEXT NOT NULL,"
            " data_version INTEGER NOT NULL);"
            "CREATE INDEX draws_by_command ON draws (command, id);");
}

// Step i lifts a file from version i to version i + 1. A new version appends its step here;
// files of every earlier version then pass through the steps they miss, in order.
using Step = void (*)(Database&);
constexpr Step Steps[] = {createVersion1};

struct Stamp {
    std::int64_t version;
    std::int64_t application;
    std::int64_t objects;
};

// One statement, so one snapshot: read one by one, the stamp could mix the moments before
// and after another program made the file.
Stamp readStamp(Database& db) {
    Statement read(db, "SELECT (SELECT user_version FROM pragma_user_version),"
                       " (SELECT application_id FROM pragma_application_id),"
                       " (SELECT count(*) FROM sqlite_schema)");
    read.step();
    return {read.integer(0), read.integer(1), read.integer(2)};
}

// Throws unless the file is ours at a version this program knows, or empty.
void checkStamp(const Stamp& stamp) {
    if (stamp.version > currentSchemaVersion())
        throw SchemaRefusal{SchemaRefusal::Kind::Newer, stamp.version};
    bool empty = stamp.version == 0 && stamp.application == 0 && stamp.objects == 0;
    if (!empty && stamp.application != HistoryApplicationId)
        throw SchemaRefusal{SchemaRefusal::Kind::Foreign, stamp.version};
}

// Whether the draws table has every column this version gave it.
bool drawsTableWhole(Database& db) {
    if (db.queryInt("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'draws'") != 1)
        return false;
    try {
        Statement columns(db,
                          "SELECT id, time, command, code, lines, result_file, program_version, data_version"
                          " FROM draws LIMIT 0");
        return true;
    } catch (const SqlError& error) {
        if (error.primary() != SQLITE_ERROR)
            throw;
        return false;
    }
}

// A file of our version without what that version made is damaged; its statements failing
// one by one later would only say less.
void checkTables(Database& db) {
    if (!drawsTableWhole(db))
        throw SqlError(SQLITE_CORRUPT, "the draws table is not as this version makes it");
}

} // namespace

std::int64_t currentSchemaVersion() {
    return static_cast<std::int64_t>(std::size(Steps));
}

void refuseUnknown(Database& db) {
    checkStamp(readStamp(db));
}

void prepareSchema(Database& db) {
    Stamp stamp = readStamp(db);
    checkStamp(stamp);
    if (stamp.version == currentSchemaVersion()) {
        checkTables(db);
        return;
    }
    Transaction transaction(db);
    stamp = readStamp(db); // another program may have brought it up meanwhile
    checkStamp(stamp);
    for (std::int64_t version = stamp.version; version < currentSchemaVersion(); ++version)
        Steps[version](db);
    db.exec(("PRAGMA application_id = " + std::to_string(HistoryApplicationId) + ";" +
             "PRAGMA user_version = " + std::to_string(currentSchemaVersion()))
                .c_str());
    checkTables(db);
    transaction.commit();
}

} // namespace tavu::history
