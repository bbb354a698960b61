#include "history.h"

#include "connection.h"
#include "history_notices.h"
#include "history_rows.h"
#include "history_schema.h"
#include "history_time.h"
#include "store/system_error_text.h"

#include <system_error>
#include <utility>

namespace tavu::history {

namespace fs = std::filesystem;

namespace {

fs::path absoluteOrAsGiven(const fs::path& file) {
    std::error_code error;
    fs::path absolute = file.empty() ? file : fs::absolute(file, error);
    return error ? file : absolute;
}

bool holdsSomething(const fs::path& file) {
    std::error_code error;
    return fs::is_directory(file, error) || fs::file_size(file, error) > 0;
}

void closeFaulty(std::unique_ptr<Database>& db) {
    if (db)
        db->closeWithoutCheckpoint();
    db.reset();
}

} // namespace

History::History(fs::path file)
    : History(std::move(file), Options{}) {}

History::History(fs::path file, Options options)
    : file_(absoluteOrAsGiven(file))
    , options_(options) {}

History::~History() = default;
History::History(History&&) noexcept = default;
History& History::operator=(History&&) noexcept = default;

void History::tell(std::string text) {
    if (told_.insert(text).second)
        pending_.push_back(std::move(text));
}

std::optional<std::string> History::takeNotice() {
    if (pending_.empty())
        return std::nullopt;
    std::string joined;
    for (const auto& text : pending_)
        joined += (joined.empty() ? "" : "\n") + text;
    pending_.clear();
    return joined;
}

// Moves the file found faulty aside, unless it is no longer the one at the path (another
// program got there first) or there is nothing to move (a new file failing would fail
// again: that is the folder's or the disk's fault, not a file's). True when worth another look.
bool History::setAside(Trouble trouble, const FileIdentity& found, const std::string& why) {
    FileIdentity now = identityOf(file_);
    if (found.exists && now != found)
        return true;
    if (!now.exists || !holdsSomething(file_)) {
        tell(notice::notWritten(file_, why));
        return false;
    }
    try {
        fs::path aside = moveAside(file_, trouble, std::chrono::system_clock::now());
        tell(notice::movedAside(file_, aside, trouble));
        return true;
    } catch (const fs::filesystem_error& error) {
        tell(notice::notMoved(file_, trouble, systemErrorText(error.code())));
        return false;
    }
}

// One try at opening the file as a history: true when open, or when another try may succeed
// because the faulty file was moved aside.
bool History::openOnce() {
    if (file_.empty()) {
        tell(notice::noPlace());
        return false;
    }
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    if (error) {
        tell(notice::noFolder(file_.parent_path(), systemErrorText(error)));
        return false;
    }
    FileIdentity found = identityOf(file_);
    if (fs::is_directory(file_, error))
        return setAside(Trouble::Folder, found, systemErrorText(EISDIR));
    std::unique_ptr<Database> db;
    try {
        db = openConnection(file_, options_.busyTimeout, options_.vfs);
        refuseUnknown(*db);
        useWriteAheadLog(*db, options_.busyTimeout);
        prepareSchema(*db);
        db_ = std::move(db);
        opened_ = identityOf(file_);
        return true;
    } catch (const SqlError& failure) {
        closeFaulty(db);
        auto trouble = troubleOf(failure);
        if (!trouble) {
            tell(notice::notWritten(file_, notice::reasonOf(failure)));
            return false;
        }
        return setAside(*trouble, found, notice::reasonOf(failure));
    } catch (const SchemaRefusal& refusal) {
        tell(notice::refused(file_, refusal));
        return false;
    }
}

// The open database, opened again when the file at the path is no longer the one the
// connection has (moved aside by another program); nullptr when no file can be used.
Database* History::ready() {
    if (db_ && identityOf(file_) == opened_)
        return db_.get();
    db_.reset();
    for (int round = 0; round < 3 && !db_; ++round)
        if (!openOnce())
            break;
    return db_.get();
}

template <typename Operation>
auto History::attempt(Operation operation) -> std::optional<decltype(operation(std::declval<Database&>()))> {
    for (int round = 0; round < 2; ++round) {
        Database* db = ready();
        if (!db)
            return std::nullopt;
        try {
            return operation(*db);
        } catch (const SqlError& failure) {
            closeFaulty(db_); // before the move, which must not take the file from under it
            auto trouble = troubleOf(failure);
            if (!trouble) {
                tell(notice::notWritten(file_, notice::reasonOf(failure)));
                return std::nullopt;
            }
            if (!setAside(*trouble, opened_, notice::reasonOf(failure)))
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::int64_t> History::record(const DrawEntry& draw) {
    if (!draw.time.empty())
        return attempt([&](Database& db) { return insertDraw(db, draw); });
    DrawEntry stamped = draw;
    stamped.time = utcTimestamp(std::chrono::system_clock::now());
    return attempt([&](Database& db) { return insertDraw(db, stamped); });
}

std::optional<std::vector<HistoryRow>> History::list(const HistoryPage& page) {
    return attempt([&](Database& db) { return selectPage(db, page); });
}

std::optional<std::int64_t> History::count(const HistoryFilter& filter) {
    return attempt([&](Database& db) { return countRows(db, filter); });
}

std::optional<std::vector<HistoryRow>> History::fetch(std::span<const std::int64_t> ids) {
    return attempt([&](Database& db) { return selectRows(db, ids); });
}

std::optional<std::int64_t> History::remove(std::span<const std::int64_t> ids) {
    return attempt([&](Database& db) { return deleteRows(db, ids); });
}

bool History::clear() {
    return attempt([](Database& db) {
               deleteAllRows(db);
               return true;
           })
        .has_value();
}

} // namespace tavu::history
