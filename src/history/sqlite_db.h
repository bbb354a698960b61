#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace tavu::history {

// An SQLite failure: its extended result code and SQLite's own words.
class SqlError : public std::runtime_error {
public:
    SqlError(int code, const std::string& what);
    int code() const { return code_; }
    // The primary result code (SQLITE_BUSY, SQLITE_CORRUPT, ...) without the extended bits.
    int primary() const { return code_ & 0xff; }

private:
    int code_;
};

// One connection to a database file, closed at scope end. Every failure throws SqlError.
class Database {
public:
    // Opens (creating when missing) `file` read-write through the VFS `vfs` (nullptr: the
    // system's own). A file that only opens read-only counts as a failure to open.
    Database(const std::filesystem::path& file, const char* vfs);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql);
    // The first column of the first row of `sql` as an integer (0 when there is no row).
    std::int64_t queryInt(const char* sql);
    std::int64_t lastInsertId() const;
    int changes() const;

    // Closing will write nothing more into the file: for a file found faulty, which is to be
    // kept as it was found.
    void closeWithoutCheckpoint();

    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(int code) const;

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement of one Database; parameters are 1-based, columns 0-based.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, std::int64_t value);
    // Steps once: true while a row is ready.
    bool step();
    // Steps to the end, for statements that return no rows.
    void run();
    // Makes the statement ready to step again, keeping its parameters.
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;

private:
    Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A transaction, rolled back at scope end unless committed. A write transaction takes the
// write lock at its start, so that a writer queues on the busy timeout instead of failing
// later on a snapshot another writer made stale; a read transaction holds one snapshot.
class Transaction {
public:
    enum class Kind { Read, Write };
    explicit Transaction(Database& db, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace tavu::history
