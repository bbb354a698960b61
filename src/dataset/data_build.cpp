#include "data_build.h"

#include "card_list.h"
#include "each_line.h"
#include "sources.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "store/tables.h"

#include <map>

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

// Each card's number is its place in the card list, written into the family record too. A name
// is how the card list and the player tell cards apart, so it must be unique.
std::vector<CardListRecord> numberCards(Families& f) {
    std::map<std::string_view, std::int32_t> numbers;
    std::vector<CardListRecord> list;
    for (const CardRef& card : completeCardOrder(f.creatures, f.items, f.spells)) {
        auto number = static_cast<std::int32_t>(list.size() + 1);
        if (!numbers.emplace(card.name, number).second)
            throw DataError("sources", 0, "カード名が重複しています: " + sjis::toUtf8(card.name));
        list.push_back({std::string(card.name), card.isECard ? 1 : 0, number});
    }
    auto putNumbers = [&numbers](auto& records) {
        for (auto& record : records)
            record.extraNumber = numbers.at(withoutTrailingBlanks(record.name));
    };
    for (auto& creatures : f.creatures)
        putNumbers(creatures);
    putNumbers(f.items);
    putNumbers(f.spells);
    return list;
}

std::string textFile(const fs::path& file) {
    std::string bytes;
    forEachLine(readWholeFile(file), [&](std::string_view text, int lineNo) {
        auto line = sjis::fromUtf8(text);
        if (!line)
            throw DataError(file, lineNo, "Shift-JIS で表せない文字があります");
        bytes += *line + "\r\n";
    });
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
