#include "output_buffer.h"

#include "store/sjis_text.h"

namespace tavu {

namespace {
// `length` bytes from `pos`, as far as the text reaches (a short field yields less).
std::string bytesAt(std::string_view text, std::size_t pos, std::size_t length) {
    if (pos >= text.size())
        return {};
    return std::string(text.substr(pos, length));
}
} // namespace

OutputBuffer singleDrawOutput(std::string_view nameField, std::string_view copiesField) {
    static const std::string head = sjis::fromUtf8OrThrow("をブック内に");
    static const std::string tail = sjis::fromUtf8OrThrow("枚 組み込んでブックを作成して下さい。");
    return {bytesAt(nameField, 1, nameField.size()), head + bytesAt(copiesField, 1, 2) + tail};
}

OutputBuffer multipleDrawOutput(const std::vector<std::string>& lines, int count) {
    static const std::string head = sjis::fromUtf8OrThrow("の ");
    static const std::string tail = sjis::fromUtf8OrThrow("枚を組み込んでブックを作成して下さい。");
    OutputBuffer buffer = lines;
    buffer.emplace_back();
    buffer.push_back(head + std::to_string(count) + tail);
    return buffer;
}

} // namespace tavu
