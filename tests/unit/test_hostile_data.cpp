#include "store/cipher.h"
#include "store/data_error.h"
#include "store/derived_counts.h"
#include "store/records.h"
#include "store/settings.h"
#include "store/sjis_text.h"
#include "store/tables.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::TempDir;
using test::writeBytes;

// Whatever a data file holds, a loader either reads records (blank where the file ends)
// or throws a DataError naming the file and line: never a crash, never a huge allocation.
TEST(HostileTables, NulBytesStayInsideTextFields) {
    std::string name("AB\0CD", 5);
    name.resize(width::CardName, '\0');
    auto table = parseTable<CreatureRecord>(name + " 1 2 3 4 0  N  x 0 y\n", 1, "RM_01.tri");
    EXPECT_EQ(table[0].name.size(), std::size_t{width::CardName});
    EXPECT_EQ(table[0].st, 1);
    EXPECT_EQ(table[0].rarity, "  N");
}

TEST(HostileTables, MegabyteLineAndNoLineEnds) {
    std::string longLine(1 << 20, 'x');
    EXPECT_THROW(parseTable<SpellRecord>(longLine + "\nnext", 2, "RM_07.tri"),
                 DataError); // 'x' where the cost belongs
    std::string blanks = "name" + std::string(1 << 20, ' ');
    auto spells = parseTable<SpellRecord>(blanks, 2, "RM_07.tri"); // numbers run into the end of the file: 0
    EXPECT_EQ(spells[0].cost, 0);
    EXPECT_EQ(spells.stored().size(), 1u);
    auto cards =
        parseTable<CardListRecord>("ccccccccccccccccccc 1 0 ddddddddddddddddddd 2 1", 3, "RM_08.tri");
    EXPECT_EQ(cards.stored().size(), 1u); // without line ends the second card never starts
}

TEST(HostileTables, LoneCarriageReturnsAreDroppedFromText) {
    auto table = parseTable<OpponentRecord>("\r\r\rNAME\r        1 1 1 1 1\r\n", 1, "RM_VS.tri");
    EXPECT_EQ(table[0].name, "NAME        ");
    EXPECT_EQ(table[0].usesElement[4], 1);
}

TEST(HostileTables, NameCutInsideDoubleByteCharacterDisplaysSafely) {
    std::string name = test::sj("あいうえおかきくけ"); // exactly the name's width
    auto table = parseTable<ItemRecord>(name + " 1 1 1 0  N special 0\n", 1, "RM_06.tri");
    EXPECT_EQ(sjis::toUtf8(table[0].name), "あいうえおかきくけ");
    // One byte too wide: the field ends inside a character, whose trail byte lands where a number belongs.
    std::string oneShort(width::CardName - 1, 'a');
    EXPECT_THROW(
        parseTable<ItemRecord>(oneShort + test::sj("あ") + " 1 1 1 0  N special 0\n", 1, "RM_06.tri"),
        DataError);
    EXPECT_EQ(sjis::toUtf8(oneShort + "\x82"), oneShort + "\xEF\xBF\xBD");
}

TEST(HostileSettings, HugeAndNegativeSizesLoadOnlyWhatFilesHold) {
    SettingsArray settings{};
    settings[70] = 2000000000;
    settings[71] = -5;
    settings[77] = -1;
    settings[78] = 2147483647;
    auto sizes = TableSizes::fromSettings(settings);
    Tables tables;
    tables.creatures[0] = parseTable<CreatureRecord>("A                  1 1 1 1 0  E  x 0 y\n",
                                                     sizes.noneCreatureCount, "RM_01.tri");
    tables.creatures[1] = parseTable<CreatureRecord>("B                  1 1 1 1 0  N  x 0 y\n",
                                                     sizes.elementCreatureCount, "RM_02.tri");
    EXPECT_EQ(tables.creatures[0].size(), 2000000000);
    EXPECT_EQ(tables.creatures[1].size(), 0);
    auto counts = CountCreatureRarities(tables);
    EXPECT_EQ(counts[3], 1);
    EXPECT_EQ(counts[4], 0);
}

TEST(HostileSettings, DoublyLockedOrForeignFilesStopWithAnError) {
    TempDir dir;
    auto file = dir / "system.tri";
    SettingsArray settings{};
    settings[5] = 5;
    SaveSettings(file, settings);
    ASSERT_TRUE(LockDataFile(file, SettingsKey, false)); // a second layer
    EXPECT_THROW(readSettingsReadOnly(file), DataError); // one layer off leaves a lock header, not numbers
    SettingsArray loaded{};
    EXPECT_THROW(LoadSettings(file, loaded), DataError);
    ASSERT_TRUE(LockDataFile(file, "ABCD", false)); // another key on top: nothing is deciphered
    EXPECT_THROW(LoadSettings(file, loaded), DataError);
}

} // namespace tavu
