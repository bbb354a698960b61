#pragma once

#include "store/records.h"

#include <array>
#include <string_view>

// The words a draw code spells its options with, shared by its writer and its reader.
namespace tavu::code::words {

inline constexpr std::array<std::string_view, ElementCount> Elements{"none", "fire", "water", "earth",
                                                                     "wind"};
inline constexpr std::array<std::string_view, ItemKindCount> Kinds{"weapon", "armour", "item", "scroll"};
inline constexpr std::string_view Rarities = "NSRE";
inline constexpr std::string_view All = "all";       // every box of a set ticked
inline constexpr std::string_view Any = "any";       // "指定なし", "指定無し", "指定しない"
inline constexpr std::string_view Random = "random"; // the book's "完全ランダム"
// The CPU page's ally combo: " 同盟戦を行わない", " 人数を指定しない", " 1人", " 2人".
inline constexpr std::array<std::string_view, 4> Allies{"none", "any", "1", "2"};
// The battle map's items in the order of their check boxes.
inline constexpr std::array<std::string_view, 7> MapItems{"m", "le", "ll", "mg", "sd", "p", "t"};

inline constexpr char FieldBreak = '.';
inline constexpr char SetBreak = '-';
inline constexpr char RangeBreak = '~';

} // namespace tavu::code::words
