#include "history_rows.h"

#include <string>

namespace tavu::history {

namespace {

// Every line ends in a line feed, so no lines and one empty line stay apart.
std::string joinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const auto& line : lines)
        joined.append(line).push_back('\n');
    return joined;
}

std::vector<std::string> splitLines(const std::string& joined) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = joined.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(joined.substr(start, end - start));
    if (start < joined.size()) // a file written by hand may lack the last line feed
        lines.push_back(joined.substr(start));
    return lines;
}

constexpr const char* Columns = "id, time, command, code, result_file, program_version, data_version, lines";

HistoryRow readRow(const Statement& row, bool withLines) {
    HistoryRow result;
    result.id = row.integer(0);
    result.draw.time = row.text(1);
    result.draw.command = row.text(2);
    result.draw.code = row.text(3);
    result.draw.resultFile = row.text(4);
    result.draw.programVersion = row.text(5);
    result.draw.dataVersion = static_cast<std::int32_t>(row.integer(6));
    if (withLines)
        result.draw.lines = splitLines(row.text(7));
    return result;
}

// The WHERE clause of a filter with its parameters as ?1 (command) and ?2 (text); only the
// conditions in use appear, so that the command's index serves a command filter.
std::string whereClause(const HistoryFilter& filter, bool before) {
    std::string where = " WHERE 1";
    if (!filter.command.empty())
        where += " AND command = ?1";
    if (!filter.text.empty())
        where += " AND (instr(lower(lines), lower(?2)) > 0 OR instr(lower(code), lower(?2)) > 0)";
    if (before)
        where += " AND id < ?3";
    return where;
}

void bindFilter(Statement& statement, const HistoryFilter& filter) {
    if (!filter.command.empty())
        statement.bind(1, filter.command);
    if (!filter.text.empty())
        statement.bind(2, filter.text);
}

} // namespace

std::int64_t insertDraw(Database& db, const DrawEntry& draw) {
    Transaction transaction(db);
    Statement insert(db, "INSERT INTO draws (time, command, code, lines, result_file, program_version,"
                         " data_version) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    insert.bind(1, draw.time).bind(2, draw.command).bind(3, draw.code).bind(4, joinLines(draw.lines));
    insert.bind(5, draw.resultFile).bind(6, draw.programVersion).bind(7, std::int64_t{draw.dataVersion});
    insert.run();
    std::int64_t id = db.lastInsertId();
    transaction.commit();
    return id;
}

std::vector<HistoryRow> selectPage(Database& db, const HistoryPage& page) {
    std::string sql = std::string("SELECT ") + Columns + " FROM draws" +
                      whereClause(page.filter, page.beforeId != 0) + " ORDER BY id DESC LIMIT ?4 OFFSET ?5";
    Statement select(db, sql);
    bindFilter(select, page.filter);
    if (page.beforeId != 0)
        select.bind(3, page.beforeId);
    select.bind(4, page.limit).bind(5, page.offset);
    std::vector<HistoryRow> rows;
    while (select.step())
        rows.push_back(readRow(select, page.withLines));
    return rows;
}

std::int64_t countRows(Database& db, const HistoryFilter& filter) {
    Statement count(db, "SELECT count(*) FROM draws" + whereClause(filter, false));
    bindFilter(count, filter);
    return count.step() ? count.integer(0) : 0;
}

std::vector<HistoryRow> selectRows(Database& db, std::span<const std::int64_t> ids) {
    Statement select(db, std::string("SELECT ") + Columns + " FROM draws WHERE id = ?1");
    std::vector<HistoryRow> rows;
    Transaction snapshot(db, Transaction::Kind::Read);
    for (std::int64_t id : ids) {
        select.bind(1, id);
        if (select.step())
            rows.push_back(readRow(select, true));
        select.reset();
    }
    snapshot.commit();
    return rows;
}

std::int64_t deleteRows(Database& db, std::span<const std::int64_t> ids) {
    Transaction transaction(db);
    Statement remove(db, "DELETE FROM draws WHERE id = ?1");
    std::int64_t removed = 0;
    for (std::int64_t id : ids) {
        remove.bind(1, id).run();
        removed += db.changes();
        remove.reset();
    }
    transaction.commit();
    return removed;
}

void deleteAllRows(Database& db) {
    Transaction transaction(db);
    db.exec("DELETE FROM draws");
    transaction.commit();
}

} // namespace tavu::history
