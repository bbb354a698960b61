#include "code/draw_code.h"
#include "draw_code_support.h"

#include <gtest/gtest.h>

namespace tavu {

using code::CodeProblem;
using code::formatCode;
using code::parseCode;

namespace {

bool urlSafe(const std::string& text) {
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c)) &&
            std::string_view("-._~=").find(c) == std::string_view::npos)
            return false;
    return true;
}

} // namespace

TEST(DrawCode, EveryGeneratedCodeReadsBackToItselfWithinTheLengthLimit) {
    std::mt19937 rng(20261208);
    for (int i = 0; i < 20000; ++i) {
        code::DrawCode drawn = test::generatedCode(rng);
        std::string text = formatCode(drawn);
        auto parsed = parseCode(text);
        ASSERT_TRUE(parsed.code) << text << ": " << parsed.message;
        EXPECT_EQ(formatCode(*parsed.code), text);
        EXPECT_EQ(parsed.code->seed, drawn.seed) << text;
        EXPECT_EQ(parsed.code->data.hash, drawn.data.hash) << text;
        EXPECT_EQ(parsed.code->data.version, drawn.data.version) << text;
        EXPECT_EQ(parsed.code->plan.command, drawn.plan.command) << text;
        EXPECT_TRUE(urlSafe(text)) << text;
        // The longest form of the same options: the widest seed and data version.
        drawn.seed = 4294967295u;
        drawn.data.version = 99999;
        EXPECT_LE(formatCode(drawn).size(), code::MaxCodeLength) << formatCode(drawn);
    }
}

TEST(DrawCode, OptionsThatChangeTheDrawAllShowInTheCode) {
    code::DrawCode base;
    base.plan.command = code::Command::CreatureMultiple;
    base.plan.card.count = {20, false};
    const std::string text = formatCode(base);
    auto changed = [&](auto change) {
        code::DrawCode other = base;
        change(other);
        return formatCode(other);
    };
    EXPECT_NE(text, changed([](auto& c) { c.plan.card.groups[2] = false; }));
    EXPECT_NE(text, changed([](auto& c) { c.plan.card.rarities[3] = true; }));
    EXPECT_NE(text, changed([](auto& c) { c.plan.card.count.value = 21; }));
    EXPECT_NE(text, changed([](auto& c) { c.plan.card.count.random = true; }));
    EXPECT_NE(text, changed([](auto& c) { c.seed = 1; }));
    EXPECT_NE(text, changed([](auto& c) { c.data.hash = 1; }));
    // A readable example: the filters in words.
    base.plan.card.groups = {false, true, true, false, false};
    base.plan.card.rarities = {true, true, false, false};
    base.seed = 45296789;
    base.data = {0x3f2a9c1b0e77d5a2, 100};
    EXPECT_EQ(formatCode(base),
              "tavu1.creature-multiple.e=fire-water.r=NS.n=20.v=100.s=45296789.d=3f2a9c1b0e77d5a2");
}

struct Refusal {
    std::string text;
    CodeProblem problem;
};

TEST(DrawCode, CodesThatAreNotExactlyOursAreRefusedWithTheirReason) {
    const std::string tail = ".v=100.s=45296789.d=3f2a9c1b0e77d5a2";
    const std::string good = "tavu1.creature-multiple.e=fire-water.r=NS.n=20" + tail;
    ASSERT_TRUE(parseCode(good).code);
    const std::vector<Refusal> refusals = {
        {"tavu2.creature-multiple.e=all.r=NS.n=20" + tail, CodeProblem::UnknownVersion},
        {"tavu17.book", CodeProblem::UnknownVersion},
        {"", CodeProblem::Damaged},
        {"tavu", CodeProblem::Damaged},
        {"tavu1", CodeProblem::Damaged},
        {"tavu1.dragon.r=N" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire-lava.r=NS.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=water-fire.r=NS.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire-fire.r=NS.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=none-fire-water-earth-wind.r=NS.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=SN.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NX.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=020" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=2x" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.x=1" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.r=NS.e=fire.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.s=45296789.v=100.d=3f2a9c1b0e77d5a2",
         CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.v=100.s=45296789.d=3F2A9C1B0E77D5A2",
         CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.v=100.s=45296789.d=3f2a9c1b0e77d5a", CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20.v=100.s=45296789", CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire+water.r=NS.n=20" + tail, CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=20 " + tail, CodeProblem::Damaged},
        {good + std::string(80, '0'), CodeProblem::Damaged},
        {"tavu1.creature-multiple.e=fire.r=NS.n=51" + tail, CodeProblem::OutOfRange},
        {"tavu1.creature-multiple.e=fire.r=NS.n=0" + tail, CodeProblem::OutOfRange},
        {"tavu1.item-multiple.k=item.r=NS.n=50" + tail, CodeProblem::OutOfRange},
        {"tavu1.spell-single.r=NS.c=5" + tail, CodeProblem::OutOfRange},
        {"tavu1.spell-single.r=NS.c=0" + tail, CodeProblem::OutOfRange},
        {"tavu1.spell-single.r=NS.c=any.v=100.s=4294967296.d=3f2a9c1b0e77d5a2", CodeProblem::OutOfRange},
        {"tavu1.spell-single.r=NS.c=any.v=100000.s=1.d=3f2a9c1b0e77d5a2", CodeProblem::OutOfRange},
        {"tavu1.book.c=20-15-14.ecards=no" + tail, CodeProblem::OutOfRange},
        {"tavu1.book.c=0-50-0.ecards=no" + tail, CodeProblem::OutOfRange},
        {"tavu1.book.c=20-15.ecards=no" + tail, CodeProblem::Damaged},
        {"tavu1.book.c=20-15-15.ecards=maybe" + tail, CodeProblem::Damaged},
        {"tavu1.map.m=7" + tail, CodeProblem::OutOfRange},
        {"tavu1.map.p=30~95" + tail, CodeProblem::OutOfRange},
        {"tavu1.map.mg=9000~8000" + tail, CodeProblem::OutOfRange},
        {"tavu1.map.mg=4000~8000" + tail, CodeProblem::OutOfRange},
        {"tavu1.map.mg=9000" + tail, CodeProblem::Damaged},
        {"tavu1.map.sd=1.m=0" + tail, CodeProblem::Damaged},
        {"tavu1.cpu.n=4.e=all.a=none" + tail, CodeProblem::OutOfRange},
        {"tavu1.cpu.n=any.e=all.a=3" + tail, CodeProblem::Damaged},
    };
    for (const auto& refusal : refusals) {
        auto parsed = parseCode(refusal.text);
        EXPECT_FALSE(parsed.code) << refusal.text;
        EXPECT_EQ(parsed.problem, refusal.problem) << refusal.text << ": " << parsed.message;
        EXPECT_FALSE(parsed.message.empty()) << refusal.text;
    }
    // The message names the field a player has to look at.
    EXPECT_NE(parseCode("tavu1.creature-multiple.e=fire.r=NS.n=51" + tail).message.find("n=51"),
              std::string::npos);
}

} // namespace tavu
