#include "fixture_system.h"

#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "test_helpers.h"

#include <string>
#include <vector>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {

std::string padded(std::string_view utf8, std::size_t width) {
    std::string bytes = sj(utf8);
    bytes.resize(std::max(bytes.size(), width), ' ');
    return bytes;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

const char* const Rarity[] = {"N", "S", "R", "E"};

// Four creatures per element, one of each rarity.
std::string creatureFile(const char* kanji) {
    std::vector<std::string> lines;
    for (int r = 0; r < 4; ++r)
        lines.push_back(padded(std::string(kanji) + "の獣" + Rarity[r], 18) + " 30 40 50 1 " +
                        std::to_string(r % 2) + "  " + Rarity[r] + "  " + sj(kanji) + " 0" +
                        padded(" 通常", 8));
    return joinCrLf(lines);
}

// One item of each kind and rarity.
std::string itemFile() {
    std::vector<std::string> lines;
    for (int k = 0; k < 4; ++k)
        for (int r = 0; r < 4; ++r)
            lines.push_back(padded("道具" + std::to_string(k) + Rarity[r], 18) + " 10 20 30 " +
                            std::to_string(k) + "  " + Rarity[r] + padded(" 先制", 8) + " 0");
    return joinCrLf(lines);
}

// Three spells of each rarity.
std::string spellFile() {
    std::vector<std::string> lines;
    for (int r = 0; r < 4; ++r)
        for (int i = 0; i < 3; ++i)
            lines.push_back(padded("呪文" + std::string(Rarity[r]) + std::to_string(i), 18) + " 40  " +
                            Rarity[r] + padded(" 単体", 6) + padded(" 敵", 14) + padded(" 瞬間", 6) +
                            padded(" 無し", 6) + " 0");
    return joinCrLf(lines);
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
    const char* const kanji[] = {"無", "火", "水", "地", "風"};
    for (int e = 0; e < 5; ++e)
        writeBytes(system / creatureFileName(e), creatureFile(kanji[e]));
    writeBytes(system / "RM_06.tri", itemFile());
    writeBytes(system / "RM_07.tri", spellFile());
    writeBytes(system / "RM_08.tri", padded("カード", 19) + " 0 0\r\n");
    writeBytes(system / "RM_Map.tri", "0 1 1 1 1 6 3" + padded(" 地図", 17) + padded(" 4", 5) + " 0\r\n");
    writeBytes(system / "RM_VS.tri", padded("相手", 12) + " 1 1 0 0 0\r\n");
    writeBytes(system / CommentFileName, "-----\r\n" + sj(FixtureFooter) + "\r\n");
    writeBytes(system / SettingsFileName, formatSettings(fixtureSettings()));
    return system;
}

} // namespace tavu::test
