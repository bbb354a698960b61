#include "field_reader.h"

#include "data_error.h"

#include <algorithm>
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

std::string_view trimBlanks(std::string_view s) {
    s.remove_prefix(std::min(s.find_first_not_of(" \t"), s.size()));
    return s.substr(0, s.find_last_not_of(" \t") + 1);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(text.substr(end).starts_with("\r\n") ? end + 2 : std::min(end + 1, text.size()));
    }
    return lines;
}

void FieldReader::advance() {
    if (bytes_[pos_] == '\n')
        ++line_;
    ++pos_;
}

std::string FieldReader::text(int width) {
    std::string out;
    for (; static_cast<int>(out.size()) < width && !atEnd(); ++pos_) {
        if (bytes_[pos_] == '\n' || bytes_.substr(pos_).starts_with("\r\n"))
            break;
        if (bytes_[pos_] != '\r')
            out += bytes_[pos_];
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
