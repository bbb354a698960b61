#include "book_test_tables.h"
#include "draw/complete_book.h"
#include "store/records.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu::book {

using test::cardListName;
using test::makeBookTables;

namespace {
BookResult draw(const Tables& tables, BookCounts counts, std::uint32_t seed = 7, bool excludeE = true) {
    RandomSource random;
    random.setSeed(seed);
    return drawCompleteBook(tables, {counts, excludeE, false}, random);
}

char familyOf(const std::string& line) {
    return line.substr(3, 1)[0];
}

void expectFamilyLines(const std::vector<std::string>& lines, std::size_t first, std::size_t count,
                       char family) {
    for (std::size_t i = first; i < first + count; ++i)
        EXPECT_EQ(familyOf(lines[i]), family) << "line " << i;
}
} // namespace

TEST(BookFixedCount, AllCreaturesEndWithOneEmptyLine) {
    auto result = draw(makeBookTables(), {50, 0, 0});
    ASSERT_TRUE(result.message.empty());
    ASSERT_EQ(result.lines.size(), 51u);
    expectFamilyLines(result.lines, 0, 50, 'C');
    EXPECT_EQ(result.lines[50], "");
}

TEST(BookFixedCount, AllSpellsHaveNoEmptyLine) {
    auto result = draw(makeBookTables(), {0, 0, 50});
    ASSERT_EQ(result.lines.size(), 50u);
    expectFamilyLines(result.lines, 0, 50, 'S');
}

TEST(BookFixedCount, NoItemsGiveCreaturesOneEmptyLineSpells) {
    auto result = draw(makeBookTables(), {30, 0, 20});
    ASSERT_EQ(result.lines.size(), 51u);
    expectFamilyLines(result.lines, 0, 30, 'C');
    EXPECT_EQ(result.lines[30], "");
    expectFamilyLines(result.lines, 31, 20, 'S');
}

TEST(BookFixedCount, TwoOneFortySevenLayoutAndNumbering) {
    auto result = draw(makeBookTables(), {2, 1, 47});
    const auto& lines = result.lines;
    ASSERT_EQ(lines.size(), 52u);
    EXPECT_EQ(lines[0].substr(0, 3), "1  ");
    EXPECT_EQ(lines[1].substr(0, 3), "2  ");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3].substr(0, 4), "3  I");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5].substr(0, 4), "4  S");
    EXPECT_EQ(lines[10].substr(0, 4), "9  S");
    EXPECT_EQ(lines[11].substr(0, 4), "10 S");
    EXPECT_EQ(lines[51].substr(0, 4), "50 S");
    for (std::size_t i : {0u, 3u, 11u, 51u})
        EXPECT_EQ(lines[i].size(), 3u + width::CardListName) << "name keeps its 19 bytes";
}

TEST(BookFixedCount, RandomCallsFollowFamilyOrderAndSortWithinFamily) {
    auto tables = makeBookTables();
    auto result = draw(tables, {3, 2, 45}, 12345);
    // Pools with E excluded: 6 creatures, 4 items, 5 spells.
    RandomSource replay;
    replay.setSeed(12345);
    std::vector<std::uint32_t> creatures, items;
    for (int i = 0; i < 3; ++i)
        creatures.push_back(replay.Random(6));
    for (int i = 0; i < 2; ++i)
        items.push_back(replay.Random(4));
    std::sort(creatures.begin(), creatures.end());
    std::sort(items.begin(), items.end());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(result.lines[i].substr(3), cardListName('C', static_cast<int>(creatures[i])));
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(result.lines[4 + i].substr(3), cardListName('I', static_cast<int>(items[i])));
}

TEST(BookFixedCount, ExcludedECardsNeverAppearAndIncludedOnesCan) {
    auto tables = makeBookTables();
    auto excluded = draw(tables, {20, 15, 15}, 3, true);
    for (const auto& line : excluded.lines) {
        EXPECT_EQ(line.find(cardListName('C', 6)), std::string::npos);
        EXPECT_EQ(line.find(cardListName('I', 4)), std::string::npos);
        EXPECT_EQ(line.find(cardListName('S', 5)), std::string::npos);
    }
    bool sawE = false;
    for (std::uint32_t seed = 1; seed < 20 && !sawE; ++seed)
        for (const auto& line : draw(tables, {20, 15, 15}, seed, false).lines)
            sawE = sawE || line.find(cardListName('C', 7)) != std::string::npos;
    EXPECT_TRUE(sawE);
}

TEST(BookFixedCount, ImpossibleRequestsStopWithAMessageAndDrawNothing) {
    struct Case {
        test::BookTableShape shape;
        BookCounts counts;
        std::string expected;
    };
    test::BookTableShape noItems;
    noItems.itemsNSR = 0;
    const Case cases[] = {
        {noItems, {20, 15, 15}, "アイテムに使用できるカードがありません"},
        {{}, {20, 15, 14}, "50 枚になるように"},
    };
    for (const auto& c : cases) {
        RandomSource random;
        random.setSeed(99);
        auto result = drawCompleteBook(makeBookTables(c.shape), {c.counts, true, false}, random);
        EXPECT_NE(result.message.find(c.expected), std::string::npos) << result.message;
        EXPECT_TRUE(result.lines.empty());
        EXPECT_EQ(random.seed(), 99u) << "no Random call for an impossible book";
    }
}

TEST(BookFixedCount, CardListShorterThanThePoolsIsRefused) {
    auto tables = makeBookTables();
    Table<CardListRecord> shortList(5);
    for (int n = 0; n < 5; ++n)
        shortList.append({cardListName('C', n), 0, 0});
    tables.cardList = shortList;
    auto result = draw(tables, {20, 15, 15});
    EXPECT_NE(result.message.find("RM_08.tri"), std::string::npos);
    EXPECT_TRUE(result.lines.empty());
}

TEST(BookFixedCount, FamilyWithNoCardsIsFineWhenItsCountIsZero) {
    test::BookTableShape noItems;
    noItems.itemsNSR = 0;
    noItems.itemsE = 0;
    auto result = draw(makeBookTables(noItems), {25, 0, 25});
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(result.lines.size(), 51u);
}

TEST(BookFile, BodyAddsAnEmptyLineAndTheClosingSentence) {
    auto body = bookFileBody({"1  a", "2  b"});
    ASSERT_EQ(body.size(), 4u);
    EXPECT_EQ(body[2], "");
    EXPECT_EQ(body[3], test::sj("の 50 枚をブック内に組み込んでブックを作成して下さい。"));
}

} // namespace tavu::book
