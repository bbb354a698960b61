#pragma once

#include "draw_entry.h"
#include "sqlite_db.h"

#include <cstdint>
#include <span>
#include <vector>

// The statements over the draws table of a prepared database. Each throws SqlError.
namespace tavu::history {

// Adds one draw in one transaction and returns its id. `draw.time` must be set.
std::int64_t insertDraw(Database& db, const DrawEntry& draw);

std::vector<HistoryRow> selectPage(Database& db, const HistoryPage& page);
std::int64_t countRows(Database& db, const HistoryFilter& filter);
// The rows of `ids` that exist, lines included, in the order asked.
std::vector<HistoryRow> selectRows(Database& db, std::span<const std::int64_t> ids);

// Deletes the rows of `ids` in one transaction; returns how many there were.
std::int64_t deleteRows(Database& db, std::span<const std::int64_t> ids);
void deleteAllRows(Database& db);

} // namespace tavu::history
