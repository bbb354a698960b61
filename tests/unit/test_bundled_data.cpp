#include "dataset/sources.h"
#include "store/derived_counts.h"
#include "store/records.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/tables.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

// The bundled `system` folder, read back by the program's own loaders.
namespace tavu {

using test::sj;
namespace fs = std::filesystem;

namespace {

const fs::path kSystem = TAVU_SYSTEM_DIR;
const fs::path kSources = TAVU_DATA_SOURCES;

struct Bundled {
    SettingsArray settings = readSettingsReadOnly(kSystem / "system.tri");
    Tables tables;
    Bundled() { loadAllTables(kSystem, TableSizes::fromSettings(settings), tables); }
};

const Bundled& bundled() {
    static const Bundled data;
    return data;
}

// The number is the card's place in the card list, assigned by the build, not the source.
template <class Record>
Record withoutNumber(Record r) {
    r.extraNumber = 0;
    return r;
}

bool operator==(const CreatureRecord& a, const CreatureRecord& b) {
    return std::tie(a.name, a.st, a.hp, a.cost, a.chain, a.sacrifice, a.rarity, a.element, a.special) ==
           std::tie(b.name, b.st, b.hp, b.cost, b.chain, b.sacrifice, b.rarity, b.element, b.special);
}
bool operator==(const ItemRecord& a, const ItemRecord& b) {
    return std::tie(a.name, a.stBonus, a.hpBonus, a.cost, a.kind, a.rarity, a.special) ==
           std::tie(b.name, b.stBonus, b.hpBonus, b.cost, b.kind, b.rarity, b.special);
}
bool operator==(const SpellRecord& a, const SpellRecord& b) {
    return std::tie(a.name, a.cost, a.rarity, a.range, a.target, a.duration, a.sacrifice) ==
           std::tie(b.name, b.cost, b.rarity, b.range, b.target, b.duration, b.sacrifice);
}
bool operator==(const MapRecord& a, const MapRecord& b) {
    return std::tie(a.extraNumber, a.hasSanctuary, a.hasShrine, a.hasWarpCircle, a.hasShop, a.maxDice,
                    a.firstPrizeCards, a.name, a.forts, a.isDownloadMap) ==
           std::tie(b.extraNumber, b.hasSanctuary, b.hasShrine, b.hasWarpCircle, b.hasShop, b.maxDice,
                    b.firstPrizeCards, b.name, b.forts, b.isDownloadMap);
}
bool operator==(const OpponentRecord& a, const OpponentRecord& b) {
    return a.name == b.name && a.usesElement == b.usesElement;
}

template <class Record>
void expectSameRecords(const Table<Record>& loaded, const std::vector<Record>& source, const char* what) {
    ASSERT_EQ(loaded.stored().size(), source.size()) << what;
    EXPECT_EQ(loaded.size(), static_cast<std::int32_t>(source.size())) << what;
    for (std::size_t i = 0; i < source.size(); ++i)
        EXPECT_TRUE(loaded.stored()[i] == source[i]) << what << " line " << i + 1;
}

template <class Record>
std::vector<Record> loadedWithoutNumbers(const Table<Record>& table) {
    std::vector<Record> out;
    for (const auto& r : table.stored())
        out.push_back(withoutNumber(r));
    return out;
}

int longestName(const auto& records) {
    std::size_t longest = 0;
    for (const auto& r : records)
        longest = std::max(longest, r.name.find_last_not_of(' ') + 1);
    return static_cast<int>(longest);
}

} // namespace

TEST(BundledData, EveryRecordReadsBackAsItsSourceSays) {
    const auto& t = bundled().tables;
    const char* creatureSources[] = {"creatures_none.tsv", "creatures_fire.tsv", "creatures_water.tsv",
                                     "creatures_earth.tsv", "creatures_wind.tsv"};
    for (int e = 0; e < ElementCount; ++e) {
        Table<CreatureRecord> loaded(t.creatures[static_cast<std::size_t>(e)].size());
        for (const auto& r : loadedWithoutNumbers(t.creatures[static_cast<std::size_t>(e)]))
            loaded.append(r);
        expectSameRecords(loaded, source::readCreatures(kSources / creatureSources[e], e),
                          creatureSources[e]);
    }
    Table<ItemRecord> items(t.items.size());
    for (const auto& r : loadedWithoutNumbers(t.items))
        items.append(r);
    expectSameRecords(items, source::readTable<ItemRecord>(kSources / "items.tsv"), "items");
    Table<SpellRecord> spells(t.spells.size());
    for (const auto& r : loadedWithoutNumbers(t.spells))
        spells.append(r);
    expectSameRecords(spells, source::readTable<SpellRecord>(kSources / "spells.tsv"), "spells");
    expectSameRecords(t.maps, source::readMaps(kSources / "maps.tsv"), "maps");
    expectSameRecords(t.opponents, source::readTable<OpponentRecord>(kSources / "opponents.tsv"),
                      "opponents");
}

TEST(BundledData, HasTheSizesOfARealGameAndUsesTheFullNameWidths) {
    const auto& t = bundled().tables;
    EXPECT_GE(t.creatures[0].size(), 20);
    for (int e = 1; e < ElementCount; ++e)
        EXPECT_GE(t.creatures[static_cast<std::size_t>(e)].size(), 30);
    EXPECT_GE(t.items.size(), 40);
    EXPECT_GE(t.spells.size(), 50);
    EXPECT_EQ(t.maps.size(), 12);
    EXPECT_EQ(t.opponents.size(), 16);
    for (const auto& table : t.creatures)
        EXPECT_EQ(longestName(table.stored()), width::CardName);
    EXPECT_EQ(longestName(t.items.stored()), width::CardName);
    EXPECT_EQ(longestName(t.spells.stored()), width::CardName);
    EXPECT_EQ(longestName(t.maps.stored()), width::MapName);
    EXPECT_EQ(longestName(t.opponents.stored()), width::OpponentName);
}

TEST(BundledData, EveryFamilyHasEachRarityAndArmourAndScrollsHaveNoECards) {
    const auto& t = bundled().tables;
    auto creatures = CountCreatureRarities(t);
    for (int i = 0; i < ElementCount * RarityCount; ++i)
        EXPECT_GT(creatures[static_cast<std::size_t>(i)], 0) << "element " << i / 4 << " rarity " << i % 4;
    // The item pages refuse an E-only draw of armour or scrolls: the data has none to give.
    auto items = CountItemRarities(t);
    for (int k = 0; k < ItemKindCount; ++k)
        for (int r = 0; r < RarityCount; ++r) {
            int count = items[static_cast<std::size_t>(k * 4 + r)];
            bool eOfArmourOrScroll = r == RarityE && (k == 1 || k == 3);
            EXPECT_EQ(count > 0, !eOfArmourOrScroll) << "kind " << k << " rarity " << r;
        }
    EXPECT_LT(CountBookSpells(t, true), CountBookSpells(t, false)) << "some spells are E";
}

TEST(BundledData, CardListMeetsTheCompleteBookProperty) {
    const auto& t = bundled().tables;
    auto creatures = CountCreatureRarities(t);
    auto items = CountItemRarities(t);
    for (bool excludeE : {true, false}) {
        int pc = 0, pi = 0;
        for (int i = 0; i < ElementCount * RarityCount; ++i)
            pc += (excludeE && i % 4 == RarityE) ? 0 : creatures[static_cast<std::size_t>(i)];
        for (int i = 0; i < ItemKindCount * RarityCount; ++i)
            pi += (excludeE && i % 4 == RarityE) ? 0 : items[static_cast<std::size_t>(i)];
        EXPECT_EQ(CountBookCards(t, excludeE), pc + pi + CountBookSpells(t, excludeE)) << excludeE;
    }
}

TEST(BundledData, MapsHaveAndLackEachFacilityAndBothKinds) {
    const auto& maps = bundled().tables.maps.stored();
    auto some = [&](auto field, int value) {
        return std::any_of(maps.begin(), maps.end(), [&](const MapRecord& m) { return m.*field == value; });
    };
    for (auto field : {&MapRecord::hasSanctuary, &MapRecord::hasShrine, &MapRecord::hasWarpCircle,
                       &MapRecord::hasShop, &MapRecord::isDownloadMap}) {
        EXPECT_TRUE(some(field, 0));
        EXPECT_TRUE(some(field, 1));
    }
}

TEST(BundledData, SettingsMatchTheControlsInitialStates) {
    const auto& s = bundled().settings;
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(s[static_cast<std::size_t>(i)], 0) << "SetU boxes start unticked";
    EXPECT_EQ((std::array{s[8], s[9], s[10], s[11], s[12], s[13]}), (std::array{6000, 9000, 50, 90, 30, 60}));
    EXPECT_EQ((std::array{s[15], s[16], s[17]}), (std::array{20, 15, 15}));
    EXPECT_EQ(s[entry::BookCheckFirst], 1) << "E カードを含まない starts ticked";
    EXPECT_EQ(s[entry::CreatureMultipleCount], 20);
    EXPECT_EQ(s[entry::ItemMultipleCount], 15);
    EXPECT_EQ(s[entry::SpellMultipleCount], 15);
    for (int i = entry::CreatureSingleOutput; i <= entry::SpellMultipleClear; ++i)
        if (i != entry::SpellMultipleCount) {
            EXPECT_EQ(s[static_cast<std::size_t>(i)], 0) << "entry " << i;
        }
    for (int i = entry::CpuElementFirst; i < entry::CpuElementFirst + 5; ++i)
        EXPECT_EQ(s[static_cast<std::size_t>(i)], 1) << "VS_CB boxes start ticked";
    EXPECT_EQ(s[entry::StayOnTop], 0);
    EXPECT_LT(s[entry::NoticeFirstYear], s[entry::NoticeLastYear]);
    EXPECT_GT(s[entry::DataVersion], 0);
}

TEST(BundledData, TextPagesAreShiftJisWithCrLf) {
    for (int page = 1; page <= 8; ++page) {
        std::string bytes = test::readBytes(kSystem / ("Explanation_" + std::to_string(page) + ".tri"));
        EXPECT_GT(bytes.size(), 300u) << page;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << page;
    }
    std::string manualWarning = test::readBytes(kSystem / "Explanation_1.tri");
    EXPECT_NE(manualWarning.find(sj("ご注意")), std::string::npos);
    EXPECT_NE(test::readBytes(kSystem / "Comment.tri").find(sj("TAVU")), std::string::npos);
}

} // namespace tavu
