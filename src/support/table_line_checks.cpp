#include "table_line_checks.h"

#include "card_list_order.h"
#include "line_scanner.h"
#include "source_records.h"
#include "store/sjis_text.h"

namespace tavu {

namespace {

using Checks = std::initializer_list<std::pair<std::int32_t, const char*>>;

// A text that decodes to the replacement character holds bytes that are no Shift-JIS.
void requireShiftJis(std::string_view line, LineScanner& in) {
    if (sjis::toUtf8(line).find("\xEF\xBF\xBD") != std::string::npos)
        in.fault("Shift-JIS として読めない文字があります");
}

void requireName(const std::string& name, LineScanner& in) {
    if (withoutTrailingBlanks(name).empty())
        in.fault("名前が空です");
}

void requireRarity(const std::string& rarity, LineScanner& in) {
    if (rarityIndex(rarity) < 0)
        in.fault("レア度が「  N」「  S」「  R」「  E」のどれでもありません: 「" + sjis::toUtf8(rarity) +
                 "」");
}

void requireAtLeast(std::int32_t value, std::int32_t lowest, std::string_view what, LineScanner& in) {
    if (value < lowest)
        in.fault("「" + std::string(what) + "」が " + std::to_string(lowest) +
                 " より小さい値です: " + std::to_string(value));
}

void requireFlag(std::int32_t value, std::string_view what, LineScanner& in) {
    if (value != 0 && value != 1)
        in.fault("「" + std::string(what) + "」は 0 か 1 のはずです: " + std::to_string(value));
}

template <class Record>
CheckedLine<Record> finish(Record record, LineScanner& in) {
    in.expectEnd();
    return {std::move(record), in.faults()};
}

} // namespace

CheckedLine<CreatureRecord> checkCreatureLine(std::string_view line, int element) {
    LineScanner in(line);
    requireShiftJis(line, in);
    CreatureRecord r;
    r.name = in.text(width::CardName, "名前");
    requireName(r.name, in);
    r.st = in.integer("ST");
    r.hp = in.integer("HP");
    r.cost = in.integer("魔力");
    r.chain = in.integer("連鎖");
    r.sacrifice = in.integer("生贄");
    for (auto [value, what] : Checks{{r.st, "ST"}, {r.hp, "HP"}, {r.cost, "魔力"}, {r.chain, "連鎖"}})
        requireAtLeast(value, 0, what, in);
    r.rarity = in.text(width::Rarity, "レア度");
    requireRarity(r.rarity, in);
    r.element = in.text(width::Element, "属性");
    std::string expected = "  " + sjis::fromUtf8OrThrow(source::ElementNames[element]);
    if (r.element != expected)
        in.fault("属性が「" + sjis::toUtf8(expected) + "」ではありません: 「" + sjis::toUtf8(r.element) +
                 "」");
    r.extraNumber = in.integer("番号");
    r.special = in.text(width::Special, "タイミング", true);
    return finish(std::move(r), in);
}

CheckedLine<ItemRecord> checkItemLine(std::string_view line) {
    LineScanner in(line);
    requireShiftJis(line, in);
    ItemRecord r;
    r.name = in.text(width::CardName, "名前");
    requireName(r.name, in);
    r.stBonus = in.integer("ST増加");
    r.hpBonus = in.integer("HP増加");
    r.cost = in.integer("魔力");
    requireAtLeast(r.cost, 0, "魔力", in);
    r.kind = in.integer("種類");
    if (r.kind < 0 || r.kind >= ItemKindCount)
        in.fault("「種類」は 0〜3 のはずです: " + std::to_string(r.kind));
    r.rarity = in.text(width::Rarity, "レア度");
    requireRarity(r.rarity, in);
    r.special = in.text(width::Special, "タイミング");
    r.extraNumber = in.integer("番号");
    return finish(std::move(r), in);
}

CheckedLine<SpellRecord> checkSpellLine(std::string_view line) {
    LineScanner in(line);
    requireShiftJis(line, in);
    SpellRecord r;
    r.name = in.text(width::CardName, "名前");
    requireName(r.name, in);
    r.cost = in.integer("魔力");
    requireAtLeast(r.cost, 0, "魔力", in);
    r.rarity = in.text(width::Rarity, "レア度");
    requireRarity(r.rarity, in);
    r.range = in.text(width::SpellRange, "効果範囲");
    r.target = in.text(width::SpellTarget, "効果対象");
    r.duration = in.text(width::SpellDuration, "継続時間");
    r.sacrifice = in.text(width::SpellSacrifice, "生贄");
    r.extraNumber = in.integer("番号");
    return finish(std::move(r), in);
}

CheckedLine<CardListRecord> checkCardListLine(std::string_view line) {
    LineScanner in(line);
    requireShiftJis(line, in);
    CardListRecord r;
    r.name = in.text(width::CardListName, "名前");
    requireName(r.name, in);
    r.extraNumber = in.integer("番号");
    r.isECard = in.integer("E カード");
    return finish(std::move(r), in);
}

CheckedLine<MapRecord> checkMapLine(std::string_view line) {
    LineScanner in(line);
    requireShiftJis(line, in);
    MapRecord r;
    r.extraNumber = in.integer("番号");
    r.hasSanctuary = in.integer("聖堂");
    r.hasShrine = in.integer("ほこら");
    r.hasWarpCircle = in.integer("転送円");
    r.hasShop = in.integer("ショップ");
    r.maxDice = in.integer("ダイス最大");
    r.firstPrizeCards = in.integer("1位報酬");
    for (auto [value, what] : Checks{{r.hasSanctuary, "聖堂"},
                                     {r.hasShrine, "ほこら"},
                                     {r.hasWarpCircle, "転送円"},
                                     {r.hasShop, "ショップ"}})
        requireFlag(value, what, in);
    requireAtLeast(r.maxDice, 1, "ダイス最大", in);
    requireAtLeast(r.firstPrizeCards, 0, "1位報酬", in);
    r.name = in.text(width::MapName, "名前");
    requireName(r.name, in);
    r.forts = in.text(width::MapForts, "砦");
    r.isDownloadMap = in.integer("ダウンロードマップ");
    requireFlag(r.isDownloadMap, "ダウンロードマップ", in);
    return finish(std::move(r), in);
}

CheckedLine<OpponentRecord> checkOpponentLine(std::string_view line) {
    LineScanner in(line);
    requireShiftJis(line, in);
    OpponentRecord r;
    r.name = in.text(width::OpponentName, "名前");
    requireName(r.name, in);
    for (int e = 0; e < ElementCount; ++e) {
        auto& uses = r.usesElement[static_cast<std::size_t>(e)];
        uses = in.integer(source::ElementNames[e]);
        requireFlag(uses, source::ElementNames[e], in);
    }
    return finish(std::move(r), in);
}

} // namespace tavu
