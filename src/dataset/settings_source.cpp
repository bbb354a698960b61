#include "settings_source.h"

#include "source_rows.h"
#include "store/data_error.h"
#include "store/records.h"
#include "store/settings_entries.h"

#include <array>
#include <cstdio>

namespace tavu::source {

namespace fs = std::filesystem;

namespace {

// "YYYY-MM-DD HH:MM:SS" as the packed date-time of the lock header (date high, time low).
std::uint32_t packedDateTime(const fs::path& file, const Row& row) {
    std::array<int, 6> v{};
    char tail = 0;
    int read = std::sscanf(row.cells.at(1).c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &v[0], &v[1], &v[2], &v[3],
                           &v[4], &v[5], &tail);
    bool valid = read == 6 && v[0] >= 1980 && v[0] <= 2107 && v[1] >= 1 && v[1] <= 12 && v[2] >= 1 &&
                 v[2] <= 31 && v[3] >= 0 && v[3] <= 23 && v[4] >= 0 && v[4] <= 59 && v[5] >= 0 && v[5] <= 59;
    if (!valid)
        throw DataError(file, row.line, "日時は YYYY-MM-DD HH:MM:SS (1980〜2107 年) で書いて下さい");
    auto u = [](int x) {
        return static_cast<std::uint32_t>(x);
    };
    std::uint32_t date = (u(v[0] - 1980) << 9) | (u(v[1]) << 5) | u(v[2]);
    std::uint32_t time = (u(v[3]) << 11) | (u(v[4]) << 5) | u(v[5] / 2);
    return (date << 16) | time;
}

bool isCountedEntry(int index) {
    return index >= entry::NoneCreatureCount && index <= entry::ItemKindCountFirst + ItemKindCount - 1;
}

} // namespace

InitialSettings readInitialSettings(const fs::path& file) {
    InitialSettings settings;
    std::array<bool, SettingsLastIndex + 1> seen{};
    for (const Row& row : readRows(file, 2, 3)) {
        if (row.cells.at(0) == "locked_at") {
            settings.lockedAt = packedDateTime(file, row);
            continue;
        }
        std::int32_t index = integerCell(file, row, 0, "エントリ番号");
        if (index < 0 || index > SettingsLastIndex)
            throw DataError(file, row.line, "エントリ番号は 0〜99 のはずです");
        if (isCountedEntry(index))
            throw DataError(file, row.line, "エントリ 70〜80 は元データの行数から数えるので書けません");
        auto slot = static_cast<std::size_t>(index);
        if (seen[slot])
            throw DataError(file, row.line, "エントリ " + std::to_string(index) + " が二度書かれています");
        seen[slot] = true;
        settings.entries[slot] = integerCell(file, row, 1, "値");
    }
    return settings;
}

} // namespace tavu::source
