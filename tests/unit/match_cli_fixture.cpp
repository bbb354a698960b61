#include "match_cli_fixture.h"

#include "store/settings.h"
#include "store/settings_entries.h"

#include <sstream>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {
std::string padded(std::string_view utf8, std::size_t width) {
    std::string s = sj(utf8);
    s.resize(width, ' ');
    return s;
}

void writeSettings(const fs::path& system) {
    SettingsArray settings{};
    settings[entry::NoneCreatureCount] = 4;
    settings[entry::ElementCreatureCount] = 0;
    settings[entry::ItemCount] = 3;
    settings[entry::SpellCount] = 3;
    settings[entry::CardListCount] = 10;
    settings[entry::MapCount] = 3;
    settings[entry::OpponentCount] = 4;
    settings[entry::ItemKindCountFirst] = 3;
    writeBytes(system / "system.tri", formatSettings(settings));
}

void writeCards(const fs::path& system) {
    std::string creatures, cardList;
    const char* rarities[] = {"N", "S", "R", "E"};
    for (int n = 0; n < 4; ++n) {
        std::string name = "竜" + std::to_string(n);
        creatures += padded(name, 18) + " 30 40 25 1 0  " + rarities[n] + "  " + sj("無") + " 0 " +
                     sj("先制") + "\r\n";
        cardList += padded(name, 19) + " 0 " + (n == 3 ? "1" : "0") + "\r\n";
    }
    std::string items, spells;
    for (int n = 0; n < 3; ++n) {
        std::string item = "剣" + std::to_string(n), spell = "火球" + std::to_string(n);
        items += padded(item, 18) + " 10 0 20 0  " + rarities[n == 2 ? 3 : n] + " " + sj("通常") + "   0\r\n";
        spells += padded(spell, 18) + " 30  " + rarities[n == 2 ? 3 : n] + " " + padded("単体", 6) +
                  padded("敵", 14) + padded("即時", 6) + padded("無し", 6) + " 0\r\n";
    }
    for (int n = 0; n < 3; ++n)
        cardList += padded("剣" + std::to_string(n), 19) + " 0 " + (n == 2 ? "1" : "0") + "\r\n";
    for (int n = 0; n < 3; ++n)
        cardList += padded("火球" + std::to_string(n), 19) + " 0 " + (n == 2 ? "1" : "0") + "\r\n";
    writeBytes(system / "RM_01.tri", creatures);
    for (int e = 2; e <= 5; ++e)
        writeBytes(system / ("RM_0" + std::to_string(e) + ".tri"), "");
    writeBytes(system / "RM_06.tri", items);
    writeBytes(system / "RM_07.tri", spells);
    writeBytes(system / "RM_08.tri", cardList);
}

void writeMatch(const fs::path& system) {
    writeBytes(system / "RM_Map.tri", "1 1 1 0 1 6 3" + padded(" 草原", 17) + padded("  4", 5) + " 0\r\n" +
                                          "2 0 1 1 0 8 4" + padded(" 砂漠", 17) + padded("  5", 5) +
                                          " 0\r\n" + "3 1 0 0 1 9 5" + padded(" 雪原", 17) +
                                          padded("  6", 5) + " 1\r\n");
    std::string vs;
    const char* flags[] = {" 1 0 0 0 0", " 0 1 0 0 0", " 0 1 1 0 0", " 0 0 0 1 1"};
    for (int n = 0; n < 4; ++n)
        vs += padded("騎士" + std::to_string(n), 12) + flags[n] + "\r\n";
    writeBytes(system / "RM_VS.tri", vs);
    writeBytes(system / "Comment.tri", sj("記録用") + "\r\n");
}
} // namespace

fs::path writeMatchSystem(const fs::path& dir) {
    fs::path system = dir / "system";
    fs::create_directories(system);
    writeSettings(system);
    writeCards(system);
    writeMatch(system);
    return system;
}

CliRun runMatchCli(const TempDir& dir, std::uint32_t seed, const std::string& args) {
    std::vector<std::string> words = {"--system", (dir / "system").string(), "--seed", std::to_string(seed)};
    std::istringstream in(args);
    for (std::string word; in >> word;)
        words.push_back(word);
    return runCli(words);
}

} // namespace tavu::test
