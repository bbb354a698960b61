#include "fixture_data.h"

#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"

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

std::string pad(std::string bytes, std::size_t width) {
    bytes.resize(width, ' ');
    return bytes;
}

std::string rarity(int i) {
    static const char* letters = "NSRE";
    return std::string("  ") + letters[i % 4];
}

void writeLines(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary);
    for (const std::string& line : lines)
        out << line << "\r\n";
}

std::vector<std::string> creatureLines(int element) {
    static const char* kanji[] = {"無", "火", "水", "地", "風"};
    std::vector<std::string> lines;
    for (int i = 0; i < CreaturesPerElement; ++i) {
        const std::string name = pad(sj(std::string(kanji[element]) + "の獣" + std::to_string(i + 1)), 18);
        lines.push_back(name + " 30 40 50 1 " + std::to_string(i % 2) + rarity(i) +
                        sj(std::string("  ") + kanji[element]) + " 0" + pad(sj(" 先制"), 8));
    }
    return lines;
}

std::vector<std::string> itemLines() {
    std::vector<std::string> lines;
    for (int kind = 0; kind < 4; ++kind) {
        for (int i = 0; i < ItemsPerKind; ++i) {
            const std::string name = pad(sj("道具" + std::to_string(kind * ItemsPerKind + i + 1)), 18);
            lines.push_back(name + " 10 20 30 " + std::to_string(kind) + rarity(i + kind) +
                            pad(sj(" 通常"), 8) + " 0");
        }
    }
    return lines;
}

std::vector<std::string> spellLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < SpellCount; ++i) {
        const std::string name = pad(sj("呪文" + std::to_string(i + 1)), 18);
        lines.push_back(name + " 40" + rarity(i) + pad(sj("単体"), 6) + pad(sj("敵クリーチャー"), 14) +
                        pad(sj("瞬間"), 6) + pad(sj("無し"), 6) + " 0");
    }
    return lines;
}

std::vector<std::string> cardListLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < CardCount; ++i)
        lines.push_back(pad(sj("カード" + std::to_string(i + 1)), 19) + " 0 " +
                        std::to_string(i % 4 == 3 ? 1 : 0));
    return lines;
}

std::vector<std::string> mapLines() {
    return {"0 1 1 1 1 6 3" + pad(sj(" 草原の島"), 17) + pad(" 4", 5) + " 0",
            "0 0 1 0 1 8 2" + pad(sj(" 砂漠の城"), 17) + pad(" 2", 5) + " 1"};
}

std::vector<std::string> opponentLines() {
    return {pad(sj("剣士"), 12) + " 1 1 0 0 0", pad(sj("魔導師"), 12) + " 0 0 1 1 0",
            pad(sj("賢者"), 12) + " 0 0 0 0 1"};
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
        writeLines(dir / creatureFileName(element), creatureLines(element));
    writeLines(dir / "RM_06.tri", itemLines());
    writeLines(dir / "RM_07.tri", spellLines());
    writeLines(dir / "RM_08.tri", cardListLines());
    writeLines(dir / "RM_Map.tri", mapLines());
    writeLines(dir / "RM_VS.tri", opponentLines());
    writeLines(dir / CommentFileName, {sj("TAVU for DS で作成しました")});
    for (int page = 1; page <= 8; ++page)
        writeLines(dir / explanationFileName(page), {sj("説明 " + std::to_string(page))});
    return dir;
}

} // namespace tavu::test
