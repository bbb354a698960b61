#include "draw_texts.h"

namespace tavu {

std::string bytesAt(std::string_view text, std::size_t pos, std::size_t length) {
    if (pos >= text.size())
        return {};
    return std::string(text.substr(pos, length));
}

std::string nameField(std::string_view name) {
    return bytesAt(" " + std::string(name), 0, 19);
}

std::string numberField(std::int32_t value) {
    return "  " + std::to_string(value);
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
    std::string line = std::to_string(number);
    line += number < 10 ? "  " : " ";
    line += name;
    return line;
}

bool emptyLineAfter(int number) {
    return number % 10 == 0 && number <= 40;
}

} // namespace tavu
