#include "dataset/data_build.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/records.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "store/tables.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::sj;
namespace fs = std::filesystem;

namespace {

// A private copy of the sources that a test may edit.
struct Sources {
    test::TempDir dir;
    fs::path path = dir / "sources";
    Sources() { fs::copy(TAVU_DATA_SOURCES, path, fs::copy_options::recursive); }

    void append(const std::string& file, const std::string& utf8Line) {
        std::string text = test::readBytes(path / file);
        test::writeBytes(path / file, text + utf8Line + "\n");
    }
    void replace(const std::string& file, const std::string& from, const std::string& to) {
        std::string text = test::readBytes(path / file);
        auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        test::writeBytes(path / file, text.replace(at, from.size(), to));
    }
    // The DataError of a build that must fail.
    DataError buildError() const {
        try {
            buildDataFiles(path);
        } catch (const DataError& e) {
            return e;
        }
        ADD_FAILURE() << "the build succeeded";
        return DataError("", 0, "");
    }
};

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

SettingsArray settingsOf(const DataFiles& files) {
    auto plain = unlockBytes(files.at("system.tri"), SettingsKey);
    EXPECT_TRUE(plain.has_value()) << "system.tri is locked with the settings key";
    SettingsArray s{};
    if (plain)
        parseSettings(plain->plain, "system.tri", s);
    return s;
}

} // namespace

TEST(DataBuild, NameOfFullWidthFitsAndOneByteMoreIsAnErrorNamingFileAndLine) {
    Sources src;
    src.append("creatures_none.tsv", "ちょうど九文字の名前\t10\t10\t10\t0\t0\tN\t通常"); // 10 chars
    DataError e = src.buildError();
    EXPECT_EQ(e.file().filename(), "creatures_none.tsv");
    EXPECT_EQ(e.line(), 24);
    EXPECT_NE(e.reason().find("長すぎます"), std::string::npos);

    Sources fits;
    fits.append("creatures_none.tsv", "きっかり九文字の名\t10\t10\t10\t0\t0\tN\t通常");
    auto files = buildDataFiles(fits.path);
    auto last = linesOf(files.at("RM_01.tri")).back();
    EXPECT_EQ(last.substr(0, width::CardName), sj("きっかり九文字の名"));
    EXPECT_EQ(last.substr(width::CardName, 3), " 10");
}

TEST(DataBuild, TextFieldsArePaddedWithBlanksToTheirWidths) {
    auto files = buildDataFiles(TAVU_DATA_SOURCES);
    auto creature = linesOf(files.at("RM_01.tri")).front(); // 石くれの番兵, 20 30 30 0 0 N, 通常
    EXPECT_EQ(creature,
              sj("石くれの番兵") + "      " + " 20 30 30 0 0  N  " + sj("無") + " 13 " + sj("通常") + "   ");
    auto spell = linesOf(files.at("RM_07.tri")).front(); // 火の矢 20 N 単体 クリーチャー 瞬間 無し
    EXPECT_EQ(spell, sj("火の矢") + "            " + " 20  N " + sj("単体") + "  " + sj("クリーチャー") +
                         "  " + sj("瞬間") + "  " + sj("無し") + "  181");
    auto map = linesOf(files.at("RM_Map.tri")).front(); // はじまりの草原 1 1 0 1 6 3 4 標準
    EXPECT_EQ(map, "1 1 1 0 1 6 3 " + sj("はじまりの草原") + "   4    0");
    auto opponent = linesOf(files.at("RM_VS.tri")).front();
    EXPECT_EQ(opponent, sj("見習いアルト") + " 1 1 0 0 0");
}

TEST(DataBuild, CardListHasCreaturesByElementAndNameThenItemsThenSpellsWithEFlags) {
    auto files = buildDataFiles(TAVU_DATA_SOURCES);
    auto s = settingsOf(files);
    auto list = parseTable<CardListRecord>(files.at("RM_08.tri"), s[entry::CardListCount], "RM_08.tri");
    std::vector<CreatureRecord> creatures;
    for (int e = 0; e < ElementCount; ++e) {
        auto table = parseTable<CreatureRecord>(
            files.at("RM_0" + std::to_string(e + 1) + ".tri"),
            e == 0 ? s[entry::NoneCreatureCount] : s[entry::ElementCreatureCount], "x");
        auto sorted = table.stored();
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto& a, const auto& b) { return std::string_view(a.name) < b.name; });
        creatures.insert(creatures.end(), sorted.begin(), sorted.end());
    }
    auto items = parseTable<ItemRecord>(files.at("RM_06.tri"), s[entry::ItemCount], "x").stored();
    auto spells = parseTable<SpellRecord>(files.at("RM_07.tri"), s[entry::SpellCount], "x").stored();
    ASSERT_EQ(list.stored().size(), creatures.size() + items.size() + spells.size());

    std::size_t at = 0;
    auto expect = [&](const std::string& name, const std::string& rarity, std::int32_t number) {
        const auto& card = list[static_cast<std::int32_t>(at++)];
        EXPECT_EQ(card.name, name + " ") << at;
        EXPECT_EQ(card.isECard, rarity == "  E" ? 1 : 0) << at;
        EXPECT_EQ(card.extraNumber, static_cast<std::int32_t>(at)) << "card number = place in the list";
        EXPECT_EQ(number, static_cast<std::int32_t>(at)) << "the family record carries the same number";
    };
    for (const auto& c : creatures)
        expect(c.name, c.rarity, c.extraNumber);
    for (const auto& i : items)
        expect(i.name, i.rarity, i.extraNumber);
    for (const auto& sp : spells)
        expect(sp.name, sp.rarity, sp.extraNumber);
}

TEST(DataBuild, SettingsAreHundredLinesLockedWithCountsFromTheTables) {
    Sources src;
    src.append("items.tsv", "追加の巻物\t0\t0\t10\t巻物\tN\t通常");
    auto files = buildDataFiles(src.path);
    auto plain = unlockBytes(files.at("system.tri"), SettingsKey);
    ASSERT_TRUE(plain);
    EXPECT_EQ(linesOf(plain->plain).size(), 100u);
    EXPECT_NE(plain->packedDateTime, 0u);
    auto s = settingsOf(files);
    EXPECT_EQ(s[entry::NoneCreatureCount], 20);
    EXPECT_EQ(s[entry::ElementCreatureCount], 30);
    EXPECT_EQ(s[entry::ItemCount], 41);
    EXPECT_EQ(s[entry::SpellCount], 50);
    EXPECT_EQ(s[entry::CardListCount], 20 + 4 * 30 + 41 + 50);
    EXPECT_EQ(s[entry::MapCount], 12);
    EXPECT_EQ(s[entry::OpponentCount], 16);
    EXPECT_EQ(s[entry::ItemKindCountFirst + 3], 11);
}

TEST(DataBuild, SourceFaultsNameTheirFileAndLine) {
    struct Case {
        std::string file, from, to, reason;
        int line;
    };
    const Case cases[] = {
        {"creatures_fire.tsv", "火吹きトカゲ\t20", "火吹きトカゲ\tx", "整数ではありません", 2},
        {"items.tsv", "ひのきの棍棒\t10\t0\t10\t武器", "ひのきの棍棒\t10\t0\t10\t盾", "のどれか", 4},
        {"spells.tsv", "火の矢\t20\tN", "火の矢\t20\tQ", "のどれか", 3},
        {"maps.tsv", "はじまりの草原\t1", "はじまりの草原\t2", "0 か 1", 4},
        {"settings.tsv", "58\t100", "70\t100", "数える", 59},
        {"settings.tsv", "58\t100", "8\t100", "二度", 59},
        {"opponents.tsv", "見習いアルト\t1", "見習いアルト\t1\t1", "列の数", 5},
        {"spells.tsv", "火の矢\t20\tN\t単体", "火の矢\t20\tN\t三文字", "長すぎます", 3},
        // A map's name stands after its numbers on the table line but first in the source: of two
        // faults in a row, the first column's is told.
        {"maps.tsv", "はじまりの草原\t1", "はじまりの草原はじまりの草原\t2", "「名前」が長すぎます", 4},
    };
    for (const auto& c : cases) {
        Sources src;
        src.replace(c.file, c.from, c.to);
        DataError e = src.buildError();
        EXPECT_EQ(e.file().filename(), c.file) << c.to;
        EXPECT_EQ(e.line(), c.line) << c.to;
        EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
    }
}

TEST(DataBuild, DataThatWouldBreakTheCardListIsRefused) {
    Sources twice;
    twice.append("spells.tsv", "火吹きトカゲ\t10\tN\t単体\t自分\t瞬間\t無し");
    EXPECT_NE(std::string(twice.buildError().what()).find("重複"), std::string::npos);

    Sources uneven;
    uneven.append("creatures_water.tsv", "もう一匹の魚\t10\t10\t10\t0\t0\tN\t通常");
    EXPECT_NE(std::string(uneven.buildError().what()).find("同じ数"), std::string::npos);
}

TEST(DataBuild, WritesEveryFileOfTheFolder) {
    test::TempDir dir;
    auto files = buildDataFiles(TAVU_DATA_SOURCES);
    writeDataFolder(files, dir / "out" / "system");
    for (const auto& name : requiredSystemFiles())
        EXPECT_EQ(test::readBytes(dir / "out" / "system" / name), files.at(name)) << name;
}

} // namespace tavu
