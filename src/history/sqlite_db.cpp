#include "sqlite_db.h"

#include <sqlite3.h>

namespace tavu::history {

SqlError::SqlError(int code, const std::string& what)
    : std::runtime_error(what)
    , code_(code) {}

Database::Database(const std::filesystem::path& file, const char* vfs) {
    int code = sqlite3_open_v2(file.string().c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, vfs);
    if (code != SQLITE_OK) {
        std::string what = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
        sqlite3_close(db_);
        throw SqlError(code, what);
    }
    sqlite3_extended_result_codes(db_, 1);
    // SQLite falls back to read-only when it may not write; a history that cannot take a
    // draw is of no use, so that counts as a file that will not open.
    if (sqlite3_db_readonly(db_, "main") == 1) {
        sqlite3_close(db_);
        throw SqlError(SQLITE_READONLY, sqlite3_errstr(SQLITE_READONLY));
    }
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::closeWithoutCheckpoint() {
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

void Database::fail(int code) const {
    throw SqlError(code, sqlite3_errmsg(db_));
}

void Database::exec(const char* sql) {
    int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK)
        throw SqlError(code, std::string(sqlite3_errmsg(db_)) + " in " + sql);
}

std::int64_t Database::queryInt(const char* sql) {
    Statement statement(*this, sql);
    return statement.step() ? statement.integer(0) : 0;
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

int Database::changes() const {
    return sqlite3_changes(db_);
}

Statement::Statement(Database& db, std::string_view sql)
    : db_(db) {
    int code = sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (code != SQLITE_OK)
        throw SqlError(code, std::string(sqlite3_errmsg(db.handle())) + " preparing " + std::string(sql));
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int index, std::string_view text) {
    // An empty view may carry no pointer at all, which SQLite would store as NULL.
    const char* bytes = text.empty() ? "" : text.data();
    int code = sqlite3_bind_text64(stmt_, index, bytes, text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (code != SQLITE_OK)
        db_.fail(code);
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    int code = sqlite3_bind_int64(stmt_, index, value);
    if (code != SQLITE_OK)
        db_.fail(code);
    return *this;
}

bool Statement::step() {
    int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        throw SqlError(code, std::string(sqlite3_errmsg(db_.handle())) + " stepping " + sqlite3_sql(stmt_));
    return false;
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(stmt_); // repeats the last step's error, already thrown
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::text(int column) const {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                 : std::string();
}

Transaction::Transaction(Database& db, Kind kind)
    : db_(db) {
    db_.exec(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction() {
    if (open_)
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace tavu::history
