#include "match_cli_fixture.h"

#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/tables.h"

#include <sstream>

namespace tavu::test {

namespace fs = std::filesystem;

namespace {
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
    std::vector<CreatureRecord> creatures;
    std::vector<ItemRecord> items;
    std::vector<SpellRecord> spells;
    std::vector<CardListRecord> cardList;
    auto listed = [&](const auto& card) {
        cardList.push_back({card.name, card.rarity == Rarities[RarityE], 0});
    };
    for (int n = 0; n < 4; ++n) {
        creatures.push_back({sj("竜" + std::to_string(n)), 30, 40, 25, 1, 0, std::string(Rarities[n]),
                             "  " + sj("無"), 0, sj(" 先制")});
        listed(creatures.back());
    }
    for (int n = 0; n < 3; ++n) {
        items.push_back({sj("剣" + std::to_string(n)), 10, 0, 20, 0, std::string(Rarities[n == 2 ? 3 : n]),
                         sj(" 通常"), 0});
        listed(items.back());
    }
    for (int n = 0; n < 3; ++n) {
        spells.push_back({sj("火球" + std::to_string(n)), 30, std::string(Rarities[n == 2 ? 3 : n]),
                          sj(" 単体"), sj(" 敵"), sj(" 即時"), sj(" 無し"), 0});
        listed(spells.back());
    }
    writeBytes(system / "RM_01.tri", tableText(creatures));
    for (int e = 2; e <= 5; ++e)
        writeBytes(system / ("RM_0" + std::to_string(e) + ".tri"), "");
    writeBytes(system / "RM_06.tri", tableText(items));
    writeBytes(system / "RM_07.tri", tableText(spells));
    writeBytes(system / "RM_08.tri", tableText(cardList));
}

void writeMatch(const fs::path& system) {
    writeBytes(system / "RM_Map.tri", tableText(std::vector<MapRecord>{
                                          {1, 1, 1, 0, 1, 6, 3, sj(" 草原"), "  4", 0},
                                          {2, 0, 1, 1, 0, 8, 4, sj(" 砂漠"), "  5", 0},
                                          {3, 1, 0, 0, 1, 9, 5, sj(" 雪原"), "  6", 1},
                                      }));
    std::vector<OpponentRecord> vs;
    const std::array<std::int32_t, 5> flags[] = {
        {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 1, 1, 0, 0}, {0, 0, 0, 1, 1}};
    for (int n = 0; n < 4; ++n)
        vs.push_back({sj("騎士" + std::to_string(n)), flags[n]});
    writeBytes(system / "RM_VS.tri", tableText(vs));
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
