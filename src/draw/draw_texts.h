#pragma once

#include "draw_filter.h"
#include "store/random_source.h"

#include <cstdint>
#include <string>
#include <string_view>

// Building blocks of the result fields and lines. Every text is Shift-JIS bytes, and
// every width and cut counts bytes.
namespace tavu {

// `length` bytes from `pos`, as far as the text reaches (a short field yields less).
std::string bytesAt(std::string_view text, std::size_t pos, std::size_t length);

// " " and the name, cut to 19 bytes: the name field of a single draw.
std::string nameField(std::string_view name);
// "  " and the number in decimal: the number fields of a single draw.
std::string numberField(std::int32_t value);

// The count of copies of a single draw: "  1" for an E card; otherwise by the combo,
// index 0 drawing Random(4) + 1, 1..4 fixed; any other index keeps the previous text.
std::string copiesText(bool isECard, const SingleCopies& copies, RandomSource& random);

// A numbered line of the item and spell lists: the number, two blanks (1 to 9) or one
// (from 10), and the name, so the names line up.
std::string numberedLine(int number, std::string_view name);
// The item and spell lists put an empty line after the 10th, 20th, 30th and 40th line.
bool emptyLineAfter(int number);

// The full-width blank between a creature line's element and its name.
inline constexpr std::string_view FullWidthBlank = "\x81\x40";

} // namespace tavu
