#include "draw/card_draws.h"
#include "draw_test_tables.h"
#include "output/result_file.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::item;
using test::sj;

namespace {
Tables weaponsAndArmour() {
    test::TableBuilder b;
    for (int i = 0; i < 10; ++i)
        b.items.push_back(item("w" + std::to_string(i), 0, RarityN));
    for (int i = 0; i < 10; ++i)
        b.items.push_back(item("a" + std::to_string(i), 1, RarityS));
    b.items.push_back(item("we", 0, RarityE));
    return b.build();
}
} // namespace

TEST(ItemSingle, FieldsShowTheKindTextAndTheCopies) {
    test::TableBuilder b;
    b.items = {item("scroll", 3, RarityR)};
    RandomSource rnd;
    auto r = drawItemSingle(b.build(), ItemFilter{}, SingleCopies{4, {}}, rnd);
    ASSERT_EQ(r.fields.size(), 8u);
    EXPECT_EQ(r.fields[0], " " + test::cardName("scroll"));
    EXPECT_EQ(r.fields[1], "  20");
    EXPECT_EQ(r.fields[2], "  -10");
    EXPECT_EQ(r.fields[4], sj("  巻物"));
    EXPECT_EQ(r.fields[ItemRarityField], "  R");
    EXPECT_EQ(r.fields[6], sj(" 先制   "));
    EXPECT_EQ(r.fields[7], "  4");
}

TEST(ItemSingle, ECardAlwaysOneCopy) {
    Tables t = weaponsAndArmour();
    ItemFilter onlyE;
    onlyE.rarities = {false, false, false, true};
    RandomSource rnd = RandomSource();
    for (int i = 0; i < 5; ++i) {
        auto r = drawItemSingle(t, onlyE, SingleCopies{0, {}}, rnd);
        EXPECT_EQ(r.fields[7], "  1");
    }
}

TEST(ItemSingle, NoCandidateWarnsAfterOneCall) {
    Tables t = weaponsAndArmour();
    ItemFilter scrolls;
    scrolls.kinds = {false, false, false, true};
    RandomSource rnd;
    EXPECT_EQ(drawItemSingle(t, scrolls, SingleCopies{0, {}}, rnd).end, DrawEnd::DrawWarning);
    EXPECT_EQ(rnd.seed(), 1u);
}

TEST(ItemMultiple, TwelveCardsGiveThirteenLinesAndTheFileAddsSentenceAndFooter) {
    Tables t = weaponsAndArmour();
    RandomSource rnd;
    auto r = drawItemMultiple(t, ItemFilter{}, MultipleCount{12, false}, rnd);
    ASSERT_EQ(r.lines.size(), 13u);
    EXPECT_EQ(r.lines[8].substr(0, 3), "9  ");
    EXPECT_EQ(r.lines[9].substr(0, 3), "10 ");
    EXPECT_EQ(r.lines[10], "");
    EXPECT_EQ(r.lines[11].substr(0, 3), "11 ");
    EXPECT_EQ(r.lines[12].substr(0, 3), "12 ");

    OutputBuffer out = multipleDrawOutput(r.lines, r.count);
    out.push_back("footer");
    std::string bytes = resultFileBytes(out);
    EXPECT_EQ(out.size(), 16u);
    EXPECT_NE(bytes.find("\r\n\r\n" + sj("の 12枚を組み込んでブックを作成して下さい。") + "\r\nfooter\r\n"),
              std::string::npos);
}

TEST(ItemMultiple, ListFollowsKindThenRarityOrder) {
    Tables t = weaponsAndArmour();
    ItemFilter all;
    all.rarities = {true, true, true, true};
    RandomSource rnd = RandomSource();
    rnd.setSeed(2024);
    auto r = drawItemMultiple(t, all, MultipleCount{40, false}, rnd);
    // Candidate order: w0..w9 (N), we (E), a0..a9: a weapon never follows an armour line.
    bool armourSeen = false;
    for (const auto& line : r.lines) {
        if (line.empty())
            continue;
        bool armour = line.find(" a") != std::string::npos;
        EXPECT_FALSE(armourSeen && !armour) << line;
        armourSeen = armourSeen || armour;
    }
}

TEST(ItemMultiple, CountIsClampedToFortyNine) {
    Tables t = weaponsAndArmour();
    RandomSource rnd;
    auto r = drawItemMultiple(t, ItemFilter{}, MultipleCount{50, false}, rnd);
    EXPECT_EQ(r.count, 49);
    EXPECT_EQ(r.lines.size(), 53u);
    EXPECT_EQ(r.lines.back().substr(0, 3), "49 ");
}

TEST(ItemMultiple, EOnlyComparesWithEveryKindsECards) {
    Tables t = weaponsAndArmour(); // one E card, a weapon
    ItemFilter itemsE;
    itemsE.kinds = {false, false, true, false};
    itemsE.rarities = {false, false, false, true};
    RandomSource rnd;
    EXPECT_EQ(drawItemMultiple(t, itemsE, MultipleCount{2, false}, rnd).end, DrawEnd::DrawWarning);
    EXPECT_EQ(rnd.seed(), 0u);
    // One card is covered by the weapon's E card, but the item kind has none to offer.
    auto r = drawItemMultiple(t, itemsE, MultipleCount{1, false}, rnd);
    EXPECT_EQ(r.end, DrawEnd::DrawWarning);
    EXPECT_EQ(rnd.seed(), 1u);
}

} // namespace tavu
