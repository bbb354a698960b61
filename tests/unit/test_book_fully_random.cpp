#include "book_test_tables.h"
#include "draw/complete_book.h"
#include "store/records.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu::book {

namespace {
BookResult drawRandom(const Tables& tables, std::uint32_t seed, bool excludeE = true) {
    RandomSource random;
    random.setSeed(seed);
    return drawCompleteBook(tables, {InitialCounts, excludeE, true}, random);
}

// The 51st call decides whether the last card is hidden.
std::uint32_t hiddenValue(std::uint32_t seed, std::uint32_t cards) {
    RandomSource random;
    random.setSeed(seed);
    for (int i = 0; i < 50; ++i)
        random.Random(cards);
    return random.Random(14);
}

std::uint32_t seedWithHiddenValue(bool hidden, std::uint32_t cards) {
    std::uint32_t seed = 1;
    while ((hiddenValue(seed, cards) == 1) != hidden)
        ++seed;
    return seed;
}
} // namespace

TEST(BookFullyRandom, FiftyFourLinesWithOneBlankLineEveryTenCards) {
    auto tables = test::makeBookTables();
    auto result = drawRandom(tables, seedWithHiddenValue(false, 15));
    const auto& lines = result.lines;
    ASSERT_EQ(lines.size(), 54u);
    for (std::size_t blank : {10u, 21u, 32u, 43u})
        EXPECT_EQ(lines[blank], " ") << blank;
    EXPECT_EQ(lines[9].substr(0, 3), "10 ");
    EXPECT_EQ(lines[11].substr(0, 3), "11 ");
    EXPECT_EQ(lines[53].substr(0, 3), "50 ");
    EXPECT_EQ(lines[53].size(), 3u + width::CardListName);
}

TEST(BookFullyRandom, HiddenValueOneReplacesTheFiftiethCard) {
    auto tables = test::makeBookTables();
    auto result = drawRandom(tables, seedWithHiddenValue(true, 15));
    ASSERT_EQ(result.lines.size(), 54u);
    EXPECT_EQ(result.lines.back(), "50" + test::sj(" ？？？"));
}

TEST(BookFullyRandom, ListsCardsInCardListOrderWithRepeatsAdjacent) {
    auto tables = test::makeBookTables();
    auto result = drawRandom(tables, 4242, false);
    std::vector<std::string> names;
    for (const auto& line : result.lines)
        if (line != " " && line.size() > 3)
            names.push_back(line.substr(3));
    // Card list order is the draw's sort key, so names never go back to an earlier entry.
    auto position = [&](const std::string& name) {
        for (int i = 0; i < tables.cardList.size(); ++i)
            if (tables.cardList[i].name == name)
                return i;
        return -1;
    };
    for (std::size_t i = 1; i + 1 < names.size(); ++i)
        EXPECT_LE(position(names[i - 1]), position(names[i]));
}

TEST(BookFullyRandom, NoUsableCardStopsWithAMessage) {
    test::BookTableShape onlyE;
    onlyE.creaturesNSR = onlyE.itemsNSR = onlyE.spellsNSR = 0;
    RandomSource random;
    random.setSeed(5);
    auto result = drawCompleteBook(test::makeBookTables(onlyE), {InitialCounts, true, true}, random);
    EXPECT_TRUE(result.lines.empty());
    EXPECT_NE(result.message.find("使用できるカードがありません"), std::string::npos);
    EXPECT_EQ(random.seed(), 5u);

    Tables empty;
    EXPECT_FALSE(drawCompleteBook(empty, {InitialCounts, false, true}, random).message.empty());
}

TEST(BookFullyRandom, BlankEntriesBeyondTheFileAreDrawnAsEmptyNames) {
    Tables tables;
    tables.cardList = Table<CardListRecord>(3); // the settings promise 3, the file held 1
    tables.cardList.append({test::cardListName('C', 0), 0, 0});
    auto result = drawRandom(tables, 11);
    ASSERT_TRUE(result.message.empty());
    bool sawBlank = false;
    for (const auto& line : result.lines)
        sawBlank = sawBlank || (line.size() == 3 && line != "50" + test::sj(" ？？？"));
    EXPECT_TRUE(sawBlank);
}

} // namespace tavu::book
