#include "store/data_error.h"
#include "store/derived_counts.h"
#include "store/records.h"
#include "store/tables.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::sj;

namespace {
const std::filesystem::path kFile = "RM_02.tri";

// A card name padded with blanks to its width, as the data files hold it.
std::string name18(std::string_view utf8) {
    std::string s = sj(utf8);
    s.resize(width::CardName, ' ');
    return s;
}
} // namespace

TEST(TableLoader, CreatureLineFieldsAndStoredBlanks) {
    std::string line =
        name18("炎のトカゲ") + "  30  40  25 1 0  R  " + sj("火") + " 7 " + sj("先制") + "\r\n";
    auto table = parseTable<CreatureRecord>(line, 1, kFile);
    const auto& c = table[0];
    EXPECT_EQ(c.name, name18("炎のトカゲ"));
    EXPECT_EQ(c.st, 30);
    EXPECT_EQ(c.hp, 40);
    EXPECT_EQ(c.cost, 25);
    EXPECT_EQ(c.chain, 1);
    EXPECT_EQ(c.sacrifice, 0);
    EXPECT_EQ(c.rarity, "  R");
    EXPECT_EQ(c.element, "  " + sj("火"));
    EXPECT_EQ(c.extraNumber, 7);
    EXPECT_EQ(c.special, " " + sj("先制"));
}

TEST(TableLoader, SingleBlankBeforeRarityMatchesNoRarity) {
    std::string line = name18("A") + " 1 1 1 1 0 N  " + sj("火") + " 0 x\r\n";
    Tables tables;
    tables.creatures[1] = parseTable<CreatureRecord>(line, 1, kFile);
    EXPECT_EQ(tables.creatures[1][0].rarity, " N ");
    auto counts = CountCreatureRarities(tables);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(counts[4 + r], 0);
}

TEST(TableLoader, NameFillingItsWidthRunsIntoTheNumber) {
    std::string line = std::string(width::CardName, 'N') + "25 3 1 1 0  S  " + sj("水") + " 0 x\n";
    auto table = parseTable<CreatureRecord>(line, 1, kFile);
    EXPECT_EQ(table[0].name, std::string(width::CardName, 'N'));
    EXPECT_EQ(table[0].st, 25);
    EXPECT_EQ(table[0].rarity, "  S");
}

TEST(TableLoader, ShortFilesLeaveBlankRecordsAndLongFilesAreCut) {
    std::string two = "A                  1 1 1 1 0  N  x 0 y\nB                  2 2 2 2 0  S  x 0 y\n";
    auto table = parseTable<CreatureRecord>(two, 5, kFile);
    EXPECT_EQ(table.size(), 5);
    EXPECT_EQ(table.stored().size(), 2u);
    EXPECT_EQ(table[4].name, "");
    EXPECT_EQ(table[4].st, 0);
    EXPECT_EQ(parseTable<CreatureRecord>(two, 1, kFile).stored().size(), 1u);
}

TEST(TableLoader, UntrustedSizesNeverAllocateWhatTheyClaim) {
    std::string one = "A                  1 1 1 1 0  N  x 0 y\n";
    auto huge = parseTable<CreatureRecord>(one, 2000000000, kFile);
    EXPECT_EQ(huge.size(), 2000000000);
    EXPECT_EQ(huge.stored().size(), 1u);
    EXPECT_EQ(huge[1999999999].rarity, "");
    auto negative = parseTable<CreatureRecord>(one, -5, kFile);
    EXPECT_EQ(negative.size(), 0);
    EXPECT_TRUE(negative.stored().empty());
}

TEST(TableLoader, LineEndsAndMissingNumbers) {
    // A lone CR inside a text field is dropped; a missing number continues on the next line;
    // the file's end gives 0.
    std::string bytes = "AB\rCD           1\n";
    auto table = parseTable<OpponentRecord>(bytes + "2 3\n4 5", 1, "RM_VS.tri");
    EXPECT_EQ(table[0].name, "ABCD        ");
    EXPECT_EQ(table[0].name.size(), std::size_t{width::OpponentName});
    EXPECT_EQ(table[0].usesElement[0], 1);
    EXPECT_EQ(table[0].usesElement[1], 2);
    EXPECT_EQ(table[0].usesElement[4], 5);
    auto cut = parseTable<OpponentRecord>("Opp", 1, "RM_VS.tri");
    EXPECT_EQ(cut[0].name, "Opp");
    EXPECT_EQ(cut[0].usesElement[0], 0);
}

TEST(TableLoader, BadNumbersNameFileAndLine) {
    std::string bytes = "ok           1 0 0 0 0\nbad          1 x 0 0 0\n";
    try {
        parseTable<OpponentRecord>(bytes, 2, "RM_VS.tri");
        FAIL() << "expected a DataError";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), "RM_VS.tri");
        EXPECT_EQ(e.line(), 2);
    }
    EXPECT_THROW(
        parseTable<OpponentRecord>("n            1234567890123456789012345678901234567890", 1, "RM_VS.tri"),
        DataError);
    EXPECT_THROW(parseTable<OpponentRecord>("n            99999999999", 1, "RM_VS.tri"), DataError);
}

TEST(TableLoader, MapAndCardListFieldOrder) {
    auto maps = parseTable<MapRecord>("3 1 0 1 1 6 4 " + std::string("Map Name        ") + "   5 1\r\n", 1,
                                      "RM_Map.tri");
    EXPECT_EQ(maps[0].extraNumber, 3);
    EXPECT_EQ(maps[0].hasShop, 1);
    EXPECT_EQ(maps[0].firstPrizeCards, 4);
    EXPECT_EQ(maps[0].name, " Map Name        ");
    EXPECT_EQ(maps[0].forts, "   5 ");
    EXPECT_EQ(maps[0].isDownloadMap, 1);
    auto cards = parseTable<CardListRecord>("ccccccccccccccccccc 42 1\n", 1, "RM_08.tri");
    EXPECT_EQ(cards[0].extraNumber, 42);
    EXPECT_EQ(cards[0].isECard, 1);
}

TEST(ItemSplit, KindsInFileOrderAndOverflowDropped) {
    std::string bytes;
    for (int kind : {0, 2, 0, 4, 0, 3})
        bytes += tableLine(ItemRecord{"I" + std::to_string(kind), 0, 0, 0, kind, "  N", " special", 0});
    auto items = parseTable<ItemRecord>(bytes, 6, "RM_06.tri");
    auto kinds = splitItemKinds(items, {2, 1, 1, 1});
    EXPECT_EQ(kinds[0].stored().size(), 2u); // the third weapon is dropped
    EXPECT_EQ(kinds[1].stored().size(), 0u);
    EXPECT_EQ(kinds[2][0].name.substr(0, 2), "I2");
    EXPECT_EQ(kinds[3][0].name.substr(0, 2), "I3");
    EXPECT_EQ(items[3].kind, 4); // in the item table, in no kind table
}

TEST(DerivedCounts, BookCountsHonourTheECardBox) {
    Tables tables;
    auto spell = [](const char* name, const char* rarity) {
        return tableLine(SpellRecord{name, 1, rarity, " range", " target", " last", " none", 0});
    };
    std::string spells = spell("a", "  N") + spell("b", "  E");
    tables.spells = parseTable<SpellRecord>(spells, 3, "RM_07.tri");
    EXPECT_EQ(CountBookSpells(tables, false), 3);
    EXPECT_EQ(CountBookSpells(tables, true), 1);
    tables.cardList = parseTable<CardListRecord>(
        tableLine(CardListRecord{"a", 0, 0}) + tableLine(CardListRecord{"b", 1, 0}), 2, "RM_08.tri");
    EXPECT_EQ(CountBookCards(tables, false), 2);
    EXPECT_EQ(CountBookCards(tables, true), 1);
}

} // namespace tavu
