#include "line_scanner.h"

#include "store/sjis_text.h"

#include <charconv>

namespace tavu {

namespace {
constexpr std::size_t MaxNumberBytes = 32;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string quoted(std::string_view what) {
    return "「" + std::string(what) + "」";
}
} // namespace

bool endsInsideCharacter(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size())
        i += isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i > bytes.size();
}

std::string LineScanner::text(int width, std::string_view what, bool last) {
    std::string_view field = line_.substr(pos_, static_cast<std::size_t>(width));
    pos_ += field.size();
    if (field.size() < static_cast<std::size_t>(width) && !last)
        breakLayout(quoted(what) + "の途中で行が終わっています");
    else if (endsInsideCharacter(field))
        breakLayout(quoted(what) + "の欄の終わりで全角文字が切れています");
    return std::string(field);
}

std::int32_t LineScanner::integer(std::string_view what) {
    while (pos_ < line_.size() && isBlank(line_[pos_]))
        ++pos_;
    std::size_t start = pos_;
    while (pos_ < line_.size() && !isBlank(line_[pos_]) && pos_ - start < MaxNumberBytes)
        ++pos_;
    std::string_view token = line_.substr(start, pos_ - start);
    if (token.empty()) {
        breakLayout(quoted(what) + "の数値がありません");
        return 0;
    }
    std::string_view digits = token.front() == '+' ? token.substr(1) : token;
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
        breakLayout(quoted(what) + "が数値として読めません: " + sjis::toUtf8(token));
        return 0;
    }
    return value;
}

void LineScanner::expectEnd() {
    for (std::size_t i = pos_; i < line_.size(); ++i)
        if (line_[i] != ' ') {
            breakLayout("行末に余分な文字があります");
            return;
        }
}

} // namespace tavu
