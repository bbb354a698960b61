#include "draw/card_draws.h"
#include "draw/draw_filter.h"
#include "draw_test_tables.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::creature;
using test::item;
using test::spell;

namespace {
template <class Record>
std::vector<std::string> names(const CandidateList<Record>& list) {
    std::vector<std::string> out;
    for (const Record* r : list)
        out.push_back(r->name.substr(0, r->name.find(' ')));
    return out;
}
} // namespace

TEST(CandidateList, CreaturesRunElementThenRarityThenTableOrder) {
    test::TableBuilder b;
    b.creatures[0] = {creature("a", 0, RarityS), creature("b", 0, RarityN), creature("c", 0, RarityE)};
    b.creatures[1] = {creature("d", 1, RarityN), creature("e", 1, RarityR), creature("f", 1, RarityN)};
    b.creatures[2] = {creature("g", 2, RarityN)};
    Tables t = b.build();

    CreatureFilter all;
    all.rarities = {true, true, true, true};
    EXPECT_EQ(names(creatureCandidates(t, all)),
              (std::vector<std::string>{"b", "a", "c", "d", "f", "e", "g"}));

    CreatureFilter fireWaterN;
    fireWaterN.elements = {false, true, true, false, false};
    fireWaterN.rarities = {true, false, false, false};
    EXPECT_EQ(names(creatureCandidates(t, fireWaterN)), (std::vector<std::string>{"d", "f", "g"}));

    // The start state leaves E out.
    EXPECT_EQ(names(creatureCandidates(t, CreatureFilter{})),
              (std::vector<std::string>{"b", "a", "d", "f", "e", "g"}));
}

TEST(CandidateList, RarityTextIsComparedWhole) {
    test::TableBuilder b;
    auto oneBlank = creature("x", 0, RarityN);
    oneBlank.rarity = " N3"; // a line with one blank before the letter
    auto shortText = creature("y", 0, RarityN);
    shortText.rarity = " N";
    b.creatures[0] = {oneBlank, shortText, creature("z", 0, RarityN)};
    CreatureFilter all;
    all.rarities = {true, true, true, true};
    EXPECT_EQ(names(creatureCandidates(b.build(), all)), (std::vector<std::string>{"z"}));
}

TEST(CandidateList, ItemsFollowKindOrderAndSkipUnknownKinds) {
    test::TableBuilder b;
    b.items = {item("scroll", 3, RarityN), item("weapon", 0, RarityS), item("odd", 4, RarityN),
               item("armour", 1, RarityN), item("weapon2", 0, RarityN)};
    Tables t = b.build();
    EXPECT_EQ(names(itemCandidates(t, ItemFilter{})),
              (std::vector<std::string>{"weapon2", "weapon", "armour", "scroll"}));
    ItemFilter noWeapons;
    noWeapons.kinds = {false, true, true, true};
    EXPECT_EQ(names(itemCandidates(t, noWeapons)), (std::vector<std::string>{"armour", "scroll"}));
}

TEST(CandidateList, SpellsByRarityThenTableOrder) {
    test::TableBuilder b;
    b.spells = {spell("r", RarityR), spell("e", RarityE), spell("n", RarityN), spell("s", RarityS)};
    Tables t = b.build();
    EXPECT_EQ(names(spellCandidates(t, {true, true, true, true})),
              (std::vector<std::string>{"n", "s", "r", "e"}));
    EXPECT_TRUE(spellCandidates(t, {false, false, false, false}).empty());
}

TEST(OkButtonRule, CreatureNeedsAnElementAndARarity) {
    CreatureFilter f;
    f.elements = {false, false, false, false, false};
    EXPECT_FALSE(okButtonEnabled(f));
    f.elements[3] = true;
    EXPECT_TRUE(okButtonEnabled(f));
    f.rarities = {false, false, false, false};
    EXPECT_FALSE(okButtonEnabled(f));
    f.rarities[RarityE] = true;
    EXPECT_TRUE(okButtonEnabled(f));
}

TEST(OkButtonRule, ItemRefusesEOnlyArmourAndScrolls) {
    ItemFilter f;
    f.rarities = {false, false, false, true};
    for (auto kinds :
         {std::array<bool, 4>{false, true, false, false}, std::array<bool, 4>{false, false, false, true},
          std::array<bool, 4>{false, true, false, true}}) {
        f.kinds = kinds;
        EXPECT_FALSE(okButtonEnabled(f));
    }
    f.kinds[0] = true; // adding weapons
    EXPECT_TRUE(okButtonEnabled(f));
    f.kinds = {false, false, true, false};
    EXPECT_TRUE(okButtonEnabled(f));
    f.kinds = {false, true, false, true};
    f.rarities[RarityR] = true;
    EXPECT_TRUE(okButtonEnabled(f));
    f.kinds = {false, false, false, false};
    EXPECT_FALSE(okButtonEnabled(f));
}

TEST(OkButtonRule, SpellNeedsARarity) {
    EXPECT_FALSE(okButtonEnabled(RarityTicks{false, false, false, false}));
    EXPECT_TRUE(okButtonEnabled(RarityTicks{false, false, false, true}));
}

TEST(CountRange, ClampsLikeTheSpinEdits) {
    EXPECT_EQ(clampCount(0, CreatureCountRange), 1);
    EXPECT_EQ(clampCount(51, CreatureCountRange), 50);
    EXPECT_EQ(clampCount(50, ItemCountRange), 49);
    EXPECT_EQ(clampCount(-7, SpellCountRange), 1);
    EXPECT_EQ(clampCount(4294967295LL, SpellCountRange), 50);
}

} // namespace tavu
