#include "source_records.h"

#include "source_rows.h"
#include "store/sjis_text.h"

namespace tavu::source {

namespace fs = std::filesystem;

namespace {

// Text fields that follow a number or another text field directly carry their own leading
// blank, so that the columns stay apart on the line and the display shows them indented.
constexpr std::string_view Lead = " ";

std::string rarityCell(const fs::path& file, const Row& row, std::size_t column) {
    int index = choiceCell(file, row, column, "レア度", {"N", "S", "R", "E"});
    return std::string(Rarities[static_cast<std::size_t>(index)]);
}

std::string timingCell(const fs::path& file, const Row& row, std::size_t column) {
    return fieldCell(file, row, column, "タイミング", width::Special, Lead);
}

} // namespace

std::vector<CreatureRecord> readCreatures(const fs::path& file, int element) {
    std::vector<CreatureRecord> records;
    std::string elementField = "  " + sjis::fromUtf8OrThrow(ElementNames[element]);
    for (const Row& row : readRows(file, 8)) {
        CreatureRecord r;
        r.name = fieldCell(file, row, 0, "名前", width::CardName);
        r.st = integerCell(file, row, 1, "ST");
        r.hp = integerCell(file, row, 2, "HP");
        r.cost = integerCell(file, row, 3, "魔力");
        r.chain = integerCell(file, row, 4, "連鎖");
        r.sacrifice = flagCell(file, row, 5, "生贄");
        r.rarity = rarityCell(file, row, 6);
        r.element = elementField;
        r.special = timingCell(file, row, 7);
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<ItemRecord> readItems(const fs::path& file) {
    std::vector<ItemRecord> records;
    std::vector<std::string_view> kinds(std::begin(ItemKindNames), std::end(ItemKindNames));
    for (const Row& row : readRows(file, 7)) {
        ItemRecord r;
        r.name = fieldCell(file, row, 0, "名前", width::CardName);
        r.stBonus = integerCell(file, row, 1, "ST増加");
        r.hpBonus = integerCell(file, row, 2, "HP増加");
        r.cost = integerCell(file, row, 3, "魔力");
        r.kind = choiceCell(file, row, 4, "種類", kinds);
        r.rarity = rarityCell(file, row, 5);
        r.special = timingCell(file, row, 6);
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<SpellRecord> readSpells(const fs::path& file) {
    std::vector<SpellRecord> records;
    for (const Row& row : readRows(file, 7)) {
        SpellRecord r;
        r.name = fieldCell(file, row, 0, "名前", width::CardName);
        r.cost = integerCell(file, row, 1, "魔力");
        r.rarity = rarityCell(file, row, 2);
        r.range = fieldCell(file, row, 3, "効果範囲", width::SpellRange, Lead);
        r.target = fieldCell(file, row, 4, "効果対象", width::SpellTarget, Lead);
        r.duration = fieldCell(file, row, 5, "継続時間", width::SpellDuration, Lead);
        r.sacrifice = fieldCell(file, row, 6, "生贄", width::SpellSacrifice, Lead);
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<MapRecord> readMaps(const fs::path& file) {
    std::vector<MapRecord> records;
    for (const Row& row : readRows(file, 9)) {
        MapRecord r;
        r.extraNumber = static_cast<std::int32_t>(records.size() + 1);
        r.name = fieldCell(file, row, 0, "名前", width::MapName, Lead);
        r.hasSanctuary = flagCell(file, row, 1, "聖堂");
        r.hasShrine = flagCell(file, row, 2, "ほこら");
        r.hasWarpCircle = flagCell(file, row, 3, "転送円");
        r.hasShop = flagCell(file, row, 4, "ショップ");
        r.maxDice = integerCell(file, row, 5, "ダイス最大");
        r.firstPrizeCards = integerCell(file, row, 6, "1位報酬");
        r.forts = fieldCell(file, row, 7, "砦", width::MapForts, Lead);
        r.isDownloadMap = choiceCell(file, row, 8, "種類", {"標準", "DL"});
        records.push_back(std::move(r));
    }
    return records;
}

std::vector<OpponentRecord> readOpponents(const fs::path& file) {
    std::vector<OpponentRecord> records;
    for (const Row& row : readRows(file, 6)) {
        OpponentRecord r;
        r.name = fieldCell(file, row, 0, "名前", width::OpponentName);
        for (int e = 0; e < ElementCount; ++e)
            r.usesElement[static_cast<std::size_t>(e)] =
                flagCell(file, row, static_cast<std::size_t>(1 + e), ElementNames[e]);
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace tavu::source
