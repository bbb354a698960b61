#include "draw_texts.h"

namespace tavu {

std::string bytesAt(std::string_view text, std::size_t pos, std::size_t length) {
    if (pos >= text.size())
        return {};
    return std::string(text.substr(pos, length));
}

// Built with append: GCC 12 at -O3 reports a false -Wrestrict for "literal" + string
// (GCC bug 105329).
std::string nameField(std::string_view name) {
    std::string field(" ");
    field.append(name.substr(0, 18));
    return field;
}

std::string numberField(std::int32_t value) {
    std::string field("  ");
    return field.append(std::to_string(value));
}

std::string copiesText(bool isECard, const SingleCopies& copies, RandomSource& random) {
    if (isECard)
        return "  1";
    if (copies.index == 0)
        return numberField(static_cast<std::int32_t>(random.Random(4)) + 1);
    if (copies.index >= 1 && copies.index <= 4)
        return numberField(copies.index);
    return copies.previousText;
}

std::string numberedLine(int number, std::string_view name) {
    std::string digits = std::to_string(number);
    std::string line;
    line.reserve(digits.size() + 2 + name.size());
    line.append(digits).append(number < 10 ? "  " : " ").append(name);
    return line;
}

bool emptyLineAfter(int number) {
    return number % 10 == 0 && number <= 40;
}

} // namespace tavu
