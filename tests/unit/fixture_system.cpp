#include "fixture_system.h"

#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "store/tables.h"
#include "test_helpers.h"

#include <string>
#include <vector>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {

const char* const Rarity[] = {"N", "S", "R", "E"};

// Four creatures per element, one of each rarity.
std::vector<CreatureRecord> creatures(int element) {
    std::string kanji = ElementNames[element];
    std::vector<CreatureRecord> records;
    for (int r = 0; r < 4; ++r)
        records.push_back({sj(kanji + "の獣" + Rarity[r]), 30, 40, 50, 1, r % 2, std::string(Rarities[r]),
                           "  " + sj(kanji), 0, sj(" 通常")});
    return records;
}

// One item of each kind and rarity.
std::vector<ItemRecord> items() {
    std::vector<ItemRecord> records;
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < 4; ++r)
            records.push_back({sj("道具" + std::to_string(k) + Rarity[r]), 10, 20, 30, k,
                               std::string(Rarities[r]), sj(" 先制"), 0});
    return records;
}

// Three spells of each rarity.
std::vector<SpellRecord> spells() {
    std::vector<SpellRecord> records;
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 3; ++i)
            records.push_back({sj("呪文" + std::string(Rarity[r]) + std::to_string(i)), 40,
                               std::string(Rarities[r]), sj(" 単体"), sj(" 敵"), sj(" 瞬間"), sj(" 無し"),
                               0});
    return records;
}

SettingsArray fixtureSettings() {
    SettingsArray s{};
    s[entry::CreatureMultipleCount] = 20;
    s[entry::ItemMultipleCount] = 15;
    s[entry::SpellMultipleCount] = 15;
    s[entry::NoneCreatureCount] = 4;
    s[entry::ElementCreatureCount] = 4;
    s[entry::ItemCount] = 16;
    s[entry::SpellCount] = 12;
    s[entry::CardListCount] = 1;
    s[entry::MapCount] = 1;
    s[entry::OpponentCount] = 1;
    for (int k = 0; k < 4; ++k)
        s[static_cast<std::size_t>(entry::ItemKindCountFirst + k)] = 4;
    return s;
}

} // namespace

fs::path writeFixtureSystem(const fs::path& dir) {
    fs::path system = dir / "system";
    fs::create_directories(system);
    for (int e = 0; e < 5; ++e)
        writeBytes(system / creatureFileName(e), tableText(creatures(e)));
    writeBytes(system / "RM_06.tri", tableText(items()));
    writeBytes(system / "RM_07.tri", tableText(spells()));
    writeBytes(system / "RM_08.tri", tableLine(CardListRecord{sj("カード"), 0, 0}));
    writeBytes(system / "RM_Map.tri", tableLine(MapRecord{0, 1, 1, 1, 1, 6, 3, sj(" 地図"), " 4", 0}));
    writeBytes(system / "RM_VS.tri", tableLine(OpponentRecord{sj("相手"), {1, 1, 0, 0, 0}}));
    writeBytes(system / CommentFileName, "-----\r\n" + sj(FixtureFooter) + "\r\n");
    writeBytes(system / SettingsFileName, formatSettings(fixtureSettings()));
    return system;
}

} // namespace tavu::test
