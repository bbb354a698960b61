#include "field_reader.h"

#include "data_error.h"

#include <charconv>

namespace tavu {

namespace {
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}
} // namespace

std::optional<std::int32_t> decimalNumber(std::string_view token) {
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || ec != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

void FieldReader::advance() {
    if (bytes_[pos_] == '\n')
        ++line_;
    ++pos_;
}

std::string FieldReader::text(int width) {
    std::string out;
    while (static_cast<int>(out.size()) < width && !atEnd()) {
        char c = bytes_[pos_];
        if (c == '\n')
            break;
        if (c == '\r') {
            if (pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
                break;
            ++pos_;
            continue;
        }
        out += c;
        ++pos_;
    }
    return out;
}

std::int32_t FieldReader::integer() {
    while (!atEnd() && isBlank(bytes_[pos_]))
        advance();
    std::size_t start = pos_;
    while (!atEnd() && !isBlank(bytes_[pos_]) && pos_ - start < MaxNumberBytes)
        ++pos_;
    std::string_view token = bytes_.substr(start, pos_ - start);
    if (token.empty())
        return 0;
    if (auto value = decimalNumber(token))
        return *value;
    throw DataError(file_, line_, "数値として読めない値があります");
}

void FieldReader::nextLine() {
    while (!atEnd() && bytes_[pos_] != '\n')
        ++pos_;
    if (!atEnd())
        advance();
}

} // namespace tavu
