#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One record per table line. Text fields are Shift-JIS bytes exactly as read (blanks kept,
// at most the field's width); a record that was never read has empty texts and zero numbers.
namespace tavu {

// Rarities are the 3-byte texts below and are always compared whole.
inline constexpr std::array<std::string_view, 4> Rarities = {"  N", "  S", "  R", "  E"};
enum Rarity : int { RarityN = 0, RarityS = 1, RarityR = 2, RarityE = 3 };

// Element order 無 火 水 地 風; item kind order 武器 防具 アイテム 巻物.
inline constexpr int ElementCount = 5;
inline constexpr int ItemKindCount = 4;
inline constexpr int RarityCount = 4;

// Index in Rarities of a field's text, or -1 when it matches none.
int rarityIndex(std::string_view rarityField);

struct CreatureRecord {
    std::string name; // 18 bytes
    std::int32_t st = 0;
    std::int32_t hp = 0;
    std::int32_t cost = 0;
    std::int32_t chain = 0;
    std::int32_t sacrifice = 0;
    std::string rarity;  // 3 bytes
    std::string element; // 4 bytes
    std::int32_t extraNumber = 0;
    std::string special; // 8 bytes
};

struct ItemRecord {
    std::string name; // 18 bytes
    std::int32_t stBonus = 0;
    std::int32_t hpBonus = 0;
    std::int32_t cost = 0;
    std::int32_t kind = 0;
    std::string rarity;  // 3 bytes
    std::string special; // 8 bytes
    std::int32_t extraNumber = 0;
};

struct SpellRecord {
    std::string name; // 18 bytes
    std::int32_t cost = 0;
    std::string rarity;    // 3 bytes
    std::string range;     // 6 bytes
    std::string target;    // 14 bytes
    std::string duration;  // 6 bytes
    std::string sacrifice; // 6 bytes
    std::int32_t extraNumber = 0;
};

struct CardListRecord {
    std::string name; // 19 bytes
    std::int32_t isECard = 0;
    std::int32_t extraNumber = 0;
};

struct MapRecord {
    std::int32_t extraNumber = 0;
    std::int32_t hasSanctuary = 0;
    std::int32_t hasShrine = 0;
    std::int32_t hasWarpCircle = 0;
    std::int32_t hasShop = 0;
    std::int32_t maxDice = 0;
    std::int32_t firstPrizeCards = 0;
    std::string name;  // 17 bytes, starting with the blank after firstPrizeCards
    std::string forts; // 5 bytes
    std::int32_t isDownloadMap = 0;
};

struct OpponentRecord {
    std::string name;                                     // 12 bytes
    std::array<std::int32_t, ElementCount> usesElement{}; // none, fire, water, earth, wind
};

// Field widths in bytes, shared by the loaders, the data-folder check and the data build.
namespace width {
inline constexpr int CardName = 18;
inline constexpr int CardListName = 19;
inline constexpr int Rarity = 3;
inline constexpr int Element = 4;
inline constexpr int Special = 8;
inline constexpr int SpellRange = 6;
inline constexpr int SpellTarget = 14;
inline constexpr int SpellDuration = 6;
inline constexpr int SpellSacrifice = 6;
inline constexpr int MapName = 17;
inline constexpr int MapForts = 5;
inline constexpr int OpponentName = 12;
} // namespace width

} // namespace tavu
