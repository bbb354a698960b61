#include "fixture_data.h"

#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "store/tables.h"

#include <fstream>
#include <string>
#include <vector>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {

constexpr int CreaturesPerElement = 4;
constexpr int ItemsPerKind = 2;
constexpr int SpellCount = 4;
constexpr int MapCount = 2;
constexpr int OpponentCount = 3;
constexpr int CardCount = CreaturesPerElement * 5 + ItemsPerKind * 4 + SpellCount;

std::string sj(const std::string& utf8) {
    return sjis::fromUtf8OrThrow(utf8);
}

std::string rarity(int i) {
    return std::string(Rarities[static_cast<std::size_t>(i % 4)]);
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : lines)
        out << line << "\r\n";
}

void writeTable(const fs::path& file, const auto& records) {
    std::ofstream(file, std::ios::binary) << tableText(records);
}

std::vector<CreatureRecord> creatures(int element) {
    const std::string kanji = ElementNames[element];
    std::vector<CreatureRecord> records;
    for (int i = 0; i < CreaturesPerElement; ++i)
        records.push_back({sj(kanji + "の獣" + std::to_string(i + 1)), 30, 40, 50, 1, i % 2, rarity(i),
                           sj("  " + kanji), 0, sj(" 先制")});
    return records;
}

std::vector<ItemRecord> items() {
    std::vector<ItemRecord> records;
    for (int kind = 0; kind < 4; ++kind)
        for (int i = 0; i < ItemsPerKind; ++i)
            records.push_back({sj("道具" + std::to_string(kind * ItemsPerKind + i + 1)), 10, 20, 30, kind,
                               rarity(i + kind), sj(" 通常"), 0});
    return records;
}

std::vector<SpellRecord> spells() {
    std::vector<SpellRecord> records;
    for (int i = 0; i < SpellCount; ++i)
        records.push_back({sj("呪文" + std::to_string(i + 1)), 40, rarity(i), sj("単体"),
                           sj("敵クリーチャー"), sj("瞬間"), sj("無し"), 0});
    return records;
}

std::vector<CardListRecord> cardList() {
    std::vector<CardListRecord> records;
    for (int i = 0; i < CardCount; ++i)
        records.push_back({sj("カード" + std::to_string(i + 1)), i % 4 == 3 ? 1 : 0, 0});
    return records;
}

} // namespace

SettingsArray fixtureSettings() {
    SettingsArray s{};
    const std::int32_t ranges[] = {6000, 9000, 50, 90, 30, 60};
    for (int i = 0; i < 6; ++i)
        s[static_cast<std::size_t>(entry::MapSpinFirst + i)] = ranges[i];
    s[entry::BookCountFirst] = 20;
    s[entry::BookCountFirst + 1] = 15;
    s[entry::BookCountFirst + 2] = 15;
    s[entry::BookCheckFirst] = 1;
    s[entry::CreatureMultipleCount] = 20;
    s[entry::ItemMultipleCount] = 15;
    s[entry::SpellMultipleCount] = 15;
    s[entry::NoticeFirstYear] = 2004;
    s[entry::NoticeLastYear] = 2006;
    s[entry::DataVersion] = 1;
    for (int i = 0; i < 5; ++i)
        s[static_cast<std::size_t>(entry::CpuElementFirst + i)] = 1;
    s[entry::NoneCreatureCount] = CreaturesPerElement;
    s[entry::ElementCreatureCount] = CreaturesPerElement;
    s[entry::ItemCount] = ItemsPerKind * 4;
    s[entry::SpellCount] = SpellCount;
    s[entry::CardListCount] = CardCount;
    s[entry::MapCount] = MapCount;
    s[entry::OpponentCount] = OpponentCount;
    for (int k = 0; k < 4; ++k)
        s[static_cast<std::size_t>(entry::ItemKindCountFirst + k)] = ItemsPerKind;
    return s;
}

void writePlainSettings(const fs::path& systemDir, const SettingsArray& settings, int lines) {
    std::vector<std::string> text;
    for (int i = 0; i < lines; ++i)
        text.push_back(std::to_string(settings[static_cast<std::size_t>(i % 100)]));
    writeLines(systemDir / SettingsFileName, text);
}

fs::path makeFixtureSystem(const fs::path& root) {
    return makeFixtureSystem(root, fixtureSettings());
}

fs::path makeFixtureSystem(const fs::path& root, const SettingsArray& settings) {
    const fs::path dir = root / "system";
    fs::create_directories(dir);
    writePlainSettings(dir, settings);
    for (int element = 0; element < 5; ++element)
        writeTable(dir / creatureFileName(element), creatures(element));
    writeTable(dir / "RM_06.tri", items());
    writeTable(dir / "RM_07.tri", spells());
    writeTable(dir / "RM_08.tri", cardList());
    writeTable(dir / "RM_Map.tri", std::vector<MapRecord>{{0, 1, 1, 1, 1, 6, 3, sj(" 草原の島"), " 4", 0},
                                                          {0, 0, 1, 0, 1, 8, 2, sj(" 砂漠の城"), " 2", 1}});
    writeTable(dir / "RM_VS.tri", std::vector<OpponentRecord>{{sj("剣士"), {1, 1, 0, 0, 0}},
                                                              {sj("魔導師"), {0, 0, 1, 1, 0}},
                                                              {sj("賢者"), {0, 0, 0, 0, 1}}});
    writeLines(dir / CommentFileName, {sj("TAVU for DS で作成しました")});
    for (int page = 1; page <= 8; ++page)
        writeLines(dir / explanationFileName(page), {sj("説明 " + std::to_string(page))});
    return dir;
}

} // namespace tavu::test
