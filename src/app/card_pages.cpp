// The six card pages, described: their controls' names, settings entries and hints.
#include "card_page.h"
#include "draw/card_draws.h"
#include "store/settings_entries.h"
#include "ui_text.h"

#include <algorithm>

namespace tavu {

namespace {

template <class Filter, std::size_t N>
Filter filterOf(const CardTicks& ticks, std::array<bool, N> Filter::*groups) {
    Filter filter;
    std::copy_n(ticks.groups.begin(), N, (filter.*groups).begin());
    filter.rarities = ticks.rarities;
    return filter;
}

CreatureFilter creatures(const CardTicks& ticks) {
    return filterOf(ticks, &CreatureFilter::elements);
}

ItemFilter items(const CardTicks& ticks) {
    return filterOf(ticks, &ItemFilter::kinds);
}

const CardFamily Creatures{
    .groupLabel = QT_TRANSLATE_NOOP("tavu::Ui", "属性"),
    .groupCaptions = {QT_TRANSLATE_NOOP("tavu::Ui", "無"), QT_TRANSLATE_NOOP("tavu::Ui", "火"),
                      QT_TRANSLATE_NOOP("tavu::Ui", "水"), QT_TRANSLATE_NOOP("tavu::Ui", "地"),
                      QT_TRANSLATE_NOOP("tavu::Ui", "風")},
    .groupMoveText = QT_TRANSLATE_NOOP(
        "tavu::Ui", "ここのチェックを外すことにより、抽出したくない属性クリーチャーを選択することが出来ます"),
    .fieldLabels = {QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー名"), QT_TRANSLATE_NOOP("tavu::Ui", "基本ST"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "基本HP"), QT_TRANSLATE_NOOP("tavu::Ui", "必要魔力"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "必要連鎖数"), QT_TRANSLATE_NOOP("tavu::Ui", "生贄の有無"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "レア度"), QT_TRANSLATE_NOOP("tavu::Ui", "特殊")},
    .fieldHints = {QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー名を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャーの基本 ST を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャーの基本 HP を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カード使用時に消費する魔力を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー召喚時に必要な連鎖数を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャー召喚時に必要な生贄の有無を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カードのレア度を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "クリーチャーの特殊能力 （先制、通常、後手） を表示")},
    .copiesTail = QT_TRANSLATE_NOOP("tavu::Ui", "枚入れる"),
    .listCount = CreatureCountRange,
    .fixedPitchList = true,
    .listHint = QT_TRANSLATE_NOOP("tavu::Ui", "抽出されたカードは “属性　>　名前” 順に表示されます"),
    .okEnabled = [](const CardTicks& t) { return okButtonEnabled(creatures(t)); },
    .drawSingle =
        [](const Tables& tables, const CardTicks& t, const SingleCopies& copies, RandomSource& random) {
            return drawCreatureSingle(tables, creatures(t), copies, random);
        },
    .drawList =
        [](const Tables& tables, const CardTicks& t, const MultipleCount& count, RandomSource& random) {
            return drawCreatureMultiple(tables, creatures(t), count, random);
        },
};

const CardFamily Items{
    .groupLabel = QT_TRANSLATE_NOOP("tavu::Ui", "種類"),
    .groupCaptions = {QT_TRANSLATE_NOOP("tavu::Ui", "武器"), QT_TRANSLATE_NOOP("tavu::Ui", "防具"),
                      QT_TRANSLATE_NOOP("tavu::Ui", "アイテム"), QT_TRANSLATE_NOOP("tavu::Ui", "巻物")},
    .groupMoveText = QT_TRANSLATE_NOOP(
        "tavu::Ui", "ここのチェックを外すことにより、抽出したくないアイテムの種類を選択することが出来ます"),
    .fieldLabels = {QT_TRANSLATE_NOOP("tavu::Ui", "アイテム名"), QT_TRANSLATE_NOOP("tavu::Ui", "基本増加 ST"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "基本増加 HP"), QT_TRANSLATE_NOOP("tavu::Ui", "必要魔力"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "種類"), QT_TRANSLATE_NOOP("tavu::Ui", "レア度"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "特殊")},
    .fieldHints = {QT_TRANSLATE_NOOP("tavu::Ui", "アイテム名を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "アイテムの使用による、基本増加 ST を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "アイテムの使用による、基本増加 HP を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カード使用時に消費する魔力を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "アイテムの種類 （武器、防具、アイテム、巻物）を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カードのレア度を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "アイテムの特殊能力 （先制、通常、後手） を表示")},
    .copiesTail = QT_TRANSLATE_NOOP("tavu::Ui", "枚組み込む"),
    .listCount = ItemCountRange,
    .fixedPitchList = true,
    .listMoveText = QT_TRANSLATE_NOOP("tavu::Ui", "抽出されたカードは名前順に表示されます"),
    .keptAfterOutput = ItemRarityField,
    .okEnabled = [](const CardTicks& t) { return okButtonEnabled(items(t)); },
    .drawSingle = [](const Tables& tables, const CardTicks& t, const SingleCopies& copies,
                     RandomSource& random) { return drawItemSingle(tables, items(t), copies, random); },
    .drawList = [](const Tables& tables, const CardTicks& t, const MultipleCount& count,
                   RandomSource& random) { return drawItemMultiple(tables, items(t), count, random); },
};

const CardFamily Spells{
    .fieldLabels = {QT_TRANSLATE_NOOP("tavu::Ui", "スペル名"), QT_TRANSLATE_NOOP("tavu::Ui", "必要魔力"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "レア度"), QT_TRANSLATE_NOOP("tavu::Ui", "生贄の有無"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "効果範囲"), QT_TRANSLATE_NOOP("tavu::Ui", "効果対象"),
                    QT_TRANSLATE_NOOP("tavu::Ui", "継続時間")},
    .fieldHints = {QT_TRANSLATE_NOOP("tavu::Ui", "スペル名を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カード使用時に消費する魔力を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カードのレア度を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "カード使用時に必要な生贄の有無を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "スペルの使用によって及ぼされる効果適用範囲を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "スペルの効果が及ぶ対象を表示"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "スペルの効果適用時間 （瞬間 or 継続） を表示")},
    .copiesTail = QT_TRANSLATE_NOOP("tavu::Ui", "枚組み込む"),
    .listCount = SpellCountRange,
    .fixedPitchList = false,
    .listMoveText = QT_TRANSLATE_NOOP("tavu::Ui", "抽出されたカードは名前順に表示されます"),
    .guarded = false,
    .okEnabled = [](const CardTicks& t) { return okButtonEnabled(t.rarities); },
    .drawSingle = [](const Tables& tables, const CardTicks& t, const SingleCopies& copies,
                     RandomSource& random) { return drawSpellSingle(tables, t.rarities, copies, random); },
    .drawList = [](const Tables& tables, const CardTicks& t, const MultipleCount& count,
                   RandomSource& random) { return drawSpellMultiple(tables, t.rarities, count, random); },
};

} // namespace

const CardPageDescription CreatureSinglePage{
    .family = &Creatures,
    .sheet = "TabSheet10",
    .box = "GroupBox1",
    .groups = {"CB1", "CB2", "CB3", "CB4", "CB5"},
    .groupHints = {"", QT_TRANSLATE_NOOP("tavu::Ui", "火属性クリーチャー"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "水属性クリーチャー"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "地属性クリーチャー"),
                   QT_TRANSLATE_NOOP("tavu::Ui", "風属性クリーチャー")},
    .rarities = {"CRCB1A", "CRCB2A", "CRCB3A", "CRCB4A"},
    .count = "CCB1A",
    .output = "CCB2A",
    .clearAfter = "CCB3A",
    .ok = "BRandom1",
    .clear = "ButtonC4",
    .results = "CEdit",
    .entries = {entry::CreatureSingleRarityE, entry::CreatureSingleCopies, -1, entry::CreatureSingleOutput,
                entry::CreatureSingleClear},
};

const CardPageDescription CreatureListPage{
    .family = &Creatures,
    .sheet = "TabSheet11",
    .box = "GroupBox2",
    .groups = {"NCB", "FCB", "SCB", "ECB", "WCB"},
    .rarities = {"CRCB1B", "CRCB2B", "CRCB3B", "CRCB4B"},
    .count = "CSE4B",
    .random = "CCB1B",
    .output = "CCB2B",
    .clearAfter = "CCB3B",
    .ok = "BRandom2",
    .clear = "ButtonC1",
    .results = "CRE",
    .entries = {entry::CreatureMultipleRarityE, entry::CreatureMultipleCount, entry::CreatureRandomCount,
                entry::CreatureMultipleOutput, entry::CreatureMultipleClear},
};

const CardPageDescription ItemSinglePage{
    .family = &Items,
    .sheet = "TabSheet13",
    .box = "GroupBox3",
    .groups = {"ICB1A", "ICB2A", "ICB3A", "ICB4A"},
    .rarities = {"ItemReaCBox1N", "ItemReaCBox1S", "ItemReaCBox1R", "ItemReaCBox1E"},
    .count = "ICB4",
    .output = "ICB1",
    .clearAfter = "ICB2",
    .ok = "BRandom3",
    .clear = "ButtonC5",
    .results = "IEdit",
    .entries = {entry::ItemSingleRarityE, entry::ItemSingleCopies, -1, entry::ItemSingleOutput,
                entry::ItemSingleClear},
};

const CardPageDescription ItemListPage{
    .family = &Items,
    .sheet = "TabSheet14",
    .box = "GroupBox4",
    .groups = {"ICB1C", "ICB2C", "ICB3C", "ICB4C"},
    .rarities = {"ItemReaCBox2N", "ItemReaCBox2S", "ItemReaCBox2R", "ItemReaCBox2E"},
    .count = "ISE4B",
    .random = "ICB4B",
    .output = "ICB5B",
    .clearAfter = "ICB6B",
    .ok = "BRandom4",
    .clear = "ButtonC2",
    .results = "ItemRE",
    .entries = {entry::ItemMultipleRarityE, entry::ItemMultipleCount, entry::ItemRandomCount,
                entry::ItemMultipleOutput, entry::ItemMultipleClear},
};

const CardPageDescription SpellSinglePage{
    .family = &Spells,
    .sheet = "TabSheet15",
    .box = "GroupBox5",
    .rarities = {"SCB1N", "SCB1S", "SCB1R", "SCB1E"},
    .count = "SpellCB1A",
    .output = "SCB1A",
    .clearAfter = "SCB2A",
    .ok = "BRandom5",
    .clear = "ButtonC6",
    .results = "SEdit",
    .entries = {entry::SpellSingleRarityE, entry::SpellSingleCopies, -1, entry::SpellSingleOutput,
                entry::SpellSingleClear},
};

const CardPageDescription SpellListPage{
    .family = &Spells,
    .sheet = "TabSheet16",
    .box = "GroupBox6",
    .rarities = {"SCB2N", "SCB2S", "SCB2R", "SCB2E"},
    .count = "SSE1B",
    .random = "SCB1B",
    .output = "SCB2B",
    .clearAfter = "SCB3B",
    .ok = "BRandom6",
    .clear = "ButtonC3",
    .results = "SpellRE",
    .entries = {entry::SpellMultipleRarityE, entry::SpellMultipleCount, entry::SpellRandomCount,
                entry::SpellMultipleOutput, entry::SpellMultipleClear},
};

} // namespace tavu
