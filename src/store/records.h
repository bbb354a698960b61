#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One record per table line (record_layouts.h lays each out). Text fields are Shift-JIS bytes
// exactly as read, blanks kept; a record that was never read has empty texts and zero numbers.
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

// Index in Rarities of a field's text, or -1 when it matches none.
inline int rarityIndex(std::string_view rarityField) {
    for (std::size_t i = 0; i < Rarities.size(); ++i)
        if (rarityField == Rarities[i])
            return static_cast<int>(i);
    return -1;
}

struct CreatureRecord {
    std::string name;
    std::int32_t st = 0;
    std::int32_t hp = 0;
    std::int32_t cost = 0;
    std::int32_t chain = 0;
    std::int32_t sacrifice = 0;
    std::string rarity;
    std::string element;
    std::int32_t extraNumber = 0;
    std::string special;
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
};

struct CardListRecord {
    std::string name;
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
    std::string name; // starting with the blank after firstPrizeCards
    std::string forts;
    std::int32_t isDownloadMap = 0;
};

struct OpponentRecord {
    std::string name;
    std::array<std::int32_t, ElementCount> usesElement{}; // none, fire, water, earth, wind
};

} // namespace tavu
