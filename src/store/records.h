#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One record per table line, each with its line described once: Record::fields(record, visit)
// calls visit.text(field, TextField) or visit.number(field, NumberField) for every field in line
// order, each a text of a fixed width in bytes or a decimal number, with what the data-folder
// check requires of it and where the UTF-8 source of a data set holds it. The loader, that check,
// the writer of built tables and the source reader all walk these descriptions, so a field is
// added or widened in its record alone.
//
// Text fields are Shift-JIS bytes exactly as read, blanks kept; a record that was never read has
// empty texts and zero numbers.
namespace tavu {

// Rarities are the 3-byte texts below and are always compared whole.
inline constexpr std::array<std::string_view, 4> Rarities = {"  N", "  S", "  R", "  E"};
enum Rarity : int { RarityN = 0, RarityS = 1, RarityR = 2, RarityE = 3 };

inline constexpr int ElementCount = 5;
inline constexpr int ItemKindCount = 4;
inline constexpr int RarityCount = 4;

// In element order and item kind order, as the sources, the element field and messages write them.
inline constexpr const char* ElementNames[ElementCount] = {"無", "火", "水", "地", "風"};
inline constexpr const char* ItemKindNames[ItemKindCount] = {"武器", "防具", "アイテム", "巻物"};
inline constexpr const char* MapKindNames[] = {"標準", "DL"};

// Index in Rarities of a field's text, or -1 when it matches none.
inline int rarityIndex(std::string_view rarityField) {
    for (std::size_t i = 0; i < Rarities.size(); ++i)
        if (rarityField == Rarities[i])
            return static_cast<int>(i);
    return -1;
}

// Widths that code elsewhere works with too.
namespace width {
inline constexpr int CardName = 18;
inline constexpr int CardListName = 19;
inline constexpr int Rarity = 3;
inline constexpr int Timing = 8;
inline constexpr int MapName = 17;
inline constexpr int OpponentName = 12;
} // namespace width

// What the data-folder check requires of a field beyond its place on the line.
enum class Rule {
    None,
    Name,        // not blank
    NotNegative, // 0 or more
    Positive,    // 1 or more
    Flag,        // 0 or 1
    Rarity,      // one of Rarities
    Element,     // the element of the creature file it stands in
    ItemKind,    // 0 to 3
};

// The cell of the tab-separated source that holds a field (data/README.md).
struct Cell {
    enum Kind {
        Absent,   // not in the source: the build derives it
        Plain,    // the text as it is, or a decimal number
        Indented, // a text given a leading blank on the line, so that the columns stay apart
        Flag,     // 0 or 1
        Rarity,   // N, S, R or E
        Choice,   // one of `choices`, the field holding its index
    };
    Kind kind = Absent;
    int column = -1;
    std::span<const char* const> choices{};
    const char* what = nullptr; // the column's name in the source's messages, when not the field's
};

struct TextField {
    const char* what; // the field's name in messages
    int width;
    Rule rule = Rule::None;
    Cell cell = {};
};

struct NumberField {
    const char* what;
    Rule rule = Rule::None;
    Cell cell = {};
};

struct CreatureRecord {
    std::string name;
    std::int32_t st = 0;
    std::int32_t hp = 0;
    std::int32_t cost = 0;
    std::int32_t chain = 0;
    std::int32_t sacrifice = 0;
    std::string rarity;
    std::string element;
    std::int32_t extraNumber = 0; // the card's place in the card list
    std::string special;

    // Every number's rule is checked once the five are read: a line cut short among them is
    // told as cut short, and only that. (So are the map's seven.)
    static constexpr bool checkNumbersTogether = true;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.text(r.name, {"名前", width::CardName, Rule::Name, {Cell::Plain, 0}});
        v.number(r.st, {"ST", Rule::NotNegative, {Cell::Plain, 1}});
        v.number(r.hp, {"HP", Rule::NotNegative, {Cell::Plain, 2}});
        v.number(r.cost, {"魔力", Rule::NotNegative, {Cell::Plain, 3}});
        v.number(r.chain, {"連鎖", Rule::NotNegative, {Cell::Plain, 4}});
        v.number(r.sacrifice, {"生贄", Rule::None, {Cell::Flag, 5}});
        v.text(r.rarity, {"レア度", width::Rarity, Rule::Rarity, {Cell::Rarity, 6}});
        v.text(r.element, {"属性", 4, Rule::Element});
        v.number(r.extraNumber, {"番号"});
        v.text(r.special, {"タイミング", width::Timing, Rule::None, {Cell::Indented, 7}});
    }
};

struct ItemRecord {
    std::string name;
    std::int32_t stBonus = 0;
    std::int32_t hpBonus = 0;
    std::int32_t cost = 0;
    std::int32_t kind = 0;
    std::string rarity;
    std::string special;
    std::int32_t extraNumber = 0;

    static constexpr bool checkNumbersTogether = false;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.text(r.name, {"名前", width::CardName, Rule::Name, {Cell::Plain, 0}});
        v.number(r.stBonus, {"ST増加", Rule::None, {Cell::Plain, 1}});
        v.number(r.hpBonus, {"HP増加", Rule::None, {Cell::Plain, 2}});
        v.number(r.cost, {"魔力", Rule::NotNegative, {Cell::Plain, 3}});
        v.number(r.kind, {"種類", Rule::ItemKind, {Cell::Choice, 4, ItemKindNames}});
        v.text(r.rarity, {"レア度", width::Rarity, Rule::Rarity, {Cell::Rarity, 5}});
        v.text(r.special, {"タイミング", width::Timing, Rule::None, {Cell::Indented, 6}});
        v.number(r.extraNumber, {"番号"});
    }
};

struct SpellRecord {
    std::string name;
    std::int32_t cost = 0;
    std::string rarity;
    std::string range;
    std::string target;
    std::string duration;
    std::string sacrifice;
    std::int32_t extraNumber = 0;

    static constexpr bool checkNumbersTogether = false;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.text(r.name, {"名前", width::CardName, Rule::Name, {Cell::Plain, 0}});
        v.number(r.cost, {"魔力", Rule::NotNegative, {Cell::Plain, 1}});
        v.text(r.rarity, {"レア度", width::Rarity, Rule::Rarity, {Cell::Rarity, 2}});
        v.text(r.range, {"効果範囲", 6, Rule::None, {Cell::Indented, 3}});
        v.text(r.target, {"効果対象", 14, Rule::None, {Cell::Indented, 4}});
        v.text(r.duration, {"継続時間", 6, Rule::None, {Cell::Indented, 5}});
        v.text(r.sacrifice, {"生贄", 6, Rule::None, {Cell::Indented, 6}});
        v.number(r.extraNumber, {"番号"});
    }
};

// Generated by the build from the three card families.
struct CardListRecord {
    std::string name;
    std::int32_t isECard = 0;
    std::int32_t extraNumber = 0;

    static constexpr bool checkNumbersTogether = false;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.text(r.name, {"名前", width::CardListName, Rule::Name});
        v.number(r.extraNumber, {"番号"});
        v.number(r.isECard, {"E カード"});
    }
};

struct MapRecord {
    std::int32_t extraNumber = 0; // the map's place in the table
    std::int32_t hasSanctuary = 0;
    std::int32_t hasShrine = 0;
    std::int32_t hasWarpCircle = 0;
    std::int32_t hasShop = 0;
    std::int32_t maxDice = 0;
    std::int32_t firstPrizeCards = 0;
    std::string name; // starting with the blank after firstPrizeCards
    std::string forts;
    std::int32_t isDownloadMap = 0;

    static constexpr bool checkNumbersTogether = true;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.number(r.extraNumber, {"番号"});
        v.number(r.hasSanctuary, {"聖堂", Rule::Flag, {Cell::Flag, 1}});
        v.number(r.hasShrine, {"ほこら", Rule::Flag, {Cell::Flag, 2}});
        v.number(r.hasWarpCircle, {"転送円", Rule::Flag, {Cell::Flag, 3}});
        v.number(r.hasShop, {"ショップ", Rule::Flag, {Cell::Flag, 4}});
        v.number(r.maxDice, {"ダイス最大", Rule::Positive, {Cell::Plain, 5}});
        v.number(r.firstPrizeCards, {"1位報酬", Rule::NotNegative, {Cell::Plain, 6}});
        v.text(r.name, {"名前", width::MapName, Rule::Name, {Cell::Indented, 0}});
        v.text(r.forts, {"砦", 5, Rule::None, {Cell::Indented, 7}});
        v.number(r.isDownloadMap,
                 {"ダウンロードマップ", Rule::Flag, {Cell::Choice, 8, MapKindNames, "種類"}});
    }
};

struct OpponentRecord {
    std::string name;
    std::array<std::int32_t, ElementCount> usesElement{}; // none, fire, water, earth, wind

    static constexpr bool checkNumbersTogether = false;
    template <class R, class Visit>
    static void fields(R& r, Visit& v) {
        v.text(r.name, {"名前", width::OpponentName, Rule::Name, {Cell::Plain, 0}});
        for (int e = 0; e < ElementCount; ++e)
            v.number(r.usesElement[static_cast<std::size_t>(e)],
                     {ElementNames[e], Rule::Flag, {Cell::Flag, 1 + e}});
    }
};

} // namespace tavu
