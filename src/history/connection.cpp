#include "connection.h"

#include <sqlite3.h>
#include <thread>

namespace tavu::history {

std::unique_ptr<Database> openConnection(const std::filesystem::path& file,
                                         std::chrono::milliseconds busyTimeout, const char* vfs) {
    auto db = std::make_unique<Database>(file, vfs);
    sqlite3* handle = db->handle();
    sqlite3_busy_timeout(handle, static_cast<int>(busyTimeout.count()));
    // A damaged file must not be able to do more than fail: no writes to the schema by hand,
    // no functions with side effects called from what the file's schema holds.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    // On closing, SQLite removes the log by its name. After a file has been moved aside, that
    // name belongs to the new file's log, which another program may be writing: removing it
    // would lose that program's draws. So the log stays, emptied instead of removed.
    int keep = 1;
    sqlite3_file_control(handle, "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
    db->exec("PRAGMA journal_size_limit = 4194304;"
             "PRAGMA secure_delete = ON;"
             "PRAGMA cell_size_check = ON;");
    return db;
}

void useWriteAheadLog(Database& db, std::chrono::milliseconds patience) {
    // Switching a file to the log needs it to itself for a moment, and SQLite calls no busy
    // handler for that: a program starting on a new history while another reads or makes it
    // would be refused at once. So the switch is tried again, for as long as a write waits.
    auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        try {
            db.exec("PRAGMA journal_mode = WAL");
            break;
        } catch (const SqlError& error) {
            if (error.primary() != SQLITE_BUSY || std::chrono::steady_clock::now() >= deadline)
                throw;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // NORMAL: a commit appends to the log without waiting for the disk, and the log is synced
    // at each checkpoint. A crash of the program loses nothing; a power cut can lose the last
    // draws but never damage the file. FULL would wait for the disk on every draw.
    db.exec("PRAGMA synchronous = NORMAL");
}

} // namespace tavu::history
