#include "data_build.h"

#include "card_list_order.h"
#include "settings_source.h"
#include "source_records.h"
#include "source_rows.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "store/tables.h"

#include <set>

namespace tavu {

namespace fs = std::filesystem;

namespace {

const char* const CreatureSources[ElementCount] = {"creatures_none.tsv", "creatures_fire.tsv",
                                                   "creatures_water.tsv", "creatures_earth.tsv",
                                                   "creatures_wind.tsv"};

struct Families {
    CreatureLists creatures;
    std::vector<ItemRecord> items;
    std::vector<SpellRecord> spells;
};

// A name is how the card list and the player tell cards apart, so it must be unique.
void requireUniqueNames(const std::vector<CardRef>& order) {
    std::set<std::string_view> names;
    for (const auto& card : order)
        if (!names.insert(card.name).second)
            throw DataError("sources", 0, "カード名が重複しています: " + sjis::toUtf8(card.name));
}

std::int32_t& extraNumberOf(Families& f, const CardRef& card) {
    switch (card.family) {
    case CardRef::Creature:
        return f.creatures[static_cast<std::size_t>(card.element)][card.index].extraNumber;
    case CardRef::Item:
        return f.items[card.index].extraNumber;
    default:
        return f.spells[card.index].extraNumber;
    }
}

// Each card's number is its place in the card list, written into the family record too.
std::vector<CardListRecord> numberCards(Families& f) {
    auto order = completeCardOrder(f.creatures, f.items, f.spells);
    requireUniqueNames(order);
    std::vector<CardListRecord> list;
    for (std::size_t i = 0; i < order.size(); ++i) {
        CardListRecord entry;
        entry.name = std::string(order[i].name);
        entry.extraNumber = static_cast<std::int32_t>(i + 1);
        entry.isECard = order[i].isECard ? 1 : 0;
        extraNumberOf(f, order[i]) = entry.extraNumber;
        list.push_back(std::move(entry));
    }
    return list;
}

std::string textFile(const fs::path& file) {
    std::string bytes;
    auto lines = source::readTextLines(file);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto line = sjis::fromUtf8(lines[i]);
        if (!line)
            throw DataError(file, static_cast<int>(i + 1), "Shift-JIS で表せない文字があります");
        bytes += *line + "\r\n";
    }
    return bytes;
}

template <class T>
std::int32_t count(const std::vector<T>& records) {
    return static_cast<std::int32_t>(records.size());
}

void putCounts(SettingsArray& s, const Families& f, const std::vector<CardListRecord>& list,
               std::int32_t maps, std::int32_t opponents) {
    for (int e = 2; e < ElementCount; ++e)
        if (f.creatures[static_cast<std::size_t>(e)].size() != f.creatures[1].size())
            throw DataError(CreatureSources[e], 0,
                            "火・水・地・風のクリーチャーは同じ数のはずです (エントリ 71 を共有するため)");
    s[entry::NoneCreatureCount] = count(f.creatures[0]);
    s[entry::ElementCreatureCount] = count(f.creatures[1]);
    s[entry::ItemCount] = count(f.items);
    s[entry::SpellCount] = count(f.spells);
    s[entry::CardListCount] = count(list);
    s[entry::MapCount] = maps;
    s[entry::OpponentCount] = opponents;
    for (const auto& item : f.items)
        ++s[static_cast<std::size_t>(entry::ItemKindCountFirst + item.kind)];
}

} // namespace

DataFiles buildDataFiles(const fs::path& sourceDir) {
    Families f;
    for (int e = 0; e < ElementCount; ++e)
        f.creatures[static_cast<std::size_t>(e)] = source::readCreatures(sourceDir / CreatureSources[e], e);
    f.items = source::readTable<ItemRecord>(sourceDir / "items.tsv");
    f.spells = source::readTable<SpellRecord>(sourceDir / "spells.tsv");
    auto maps = source::readMaps(sourceDir / "maps.tsv");
    auto opponents = source::readTable<OpponentRecord>(sourceDir / "opponents.tsv");
    auto settings = source::readInitialSettings(sourceDir / "settings.tsv");
    auto cardList = numberCards(f);
    putCounts(settings.entries, f, cardList, count(maps), count(opponents));

    DataFiles files;
    for (int e = 0; e < ElementCount; ++e)
        files[creatureFileName(e)] = tableText(f.creatures[static_cast<std::size_t>(e)]);
    files["RM_06.tri"] = tableText(f.items);
    files["RM_07.tri"] = tableText(f.spells);
    files["RM_08.tri"] = tableText(cardList);
    files["RM_Map.tri"] = tableText(maps);
    files["RM_VS.tri"] = tableText(opponents);
    files[CommentFileName] = textFile(sourceDir / "comment.txt");
    for (int page = 1; page <= 8; ++page)
        files[explanationFileName(page)] =
            textFile(sourceDir / ("explanation_" + std::to_string(page) + ".txt"));
    files[SettingsFileName] = lockBytes(formatSettings(settings.entries), SettingsKey, settings.lockedAt);
    return files;
}

void writeDataFolder(const DataFiles& files, const fs::path& systemDir) {
    std::error_code ec;
    fs::create_directories(systemDir, ec);
    if (ec)
        throw DataError(systemDir, 0, "フォルダを作れません: " + ec.message());
    for (const auto& [name, bytes] : files)
        writeFileAtomically(systemDir / name, bytes);
}

} // namespace tavu
