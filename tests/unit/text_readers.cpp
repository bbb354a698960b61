#include "text_readers.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace tavu::test {

namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text)
        : text_(text) {}

    std::optional<JsonValue> document() {
        JsonValue value;
        if (!readValue(value))
            return std::nullopt;
        skipBlanks();
        return at_ == text_.size() ? std::optional(value) : std::nullopt;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
            ++at_;
    }
    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool word(std::string_view w) {
        if (text_.substr(at_, w.size()) != w)
            return false;
        at_ += w.size();
        return true;
    }

    bool readValue(JsonValue& value) {
        skipBlanks();
        if (at_ >= text_.size())
            return false;
        char c = text_[at_];
        if (c == '{')
            return readObject(value);
        if (c == '[')
            return readArray(value);
        if (c == '"') {
            value.kind = JsonValue::Kind::String;
            return readString(value.text);
        }
        if (word("true") || word("false")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = c == 't';
            return true;
        }
        if (word("null"))
            return true;
        return readNumber(value);
    }

    bool readNumber(JsonValue& value) {
        std::size_t start = at_;
        while (at_ < text_.size() &&
               std::string_view("-+.eE0123456789").find(text_[at_]) != std::string_view::npos)
            ++at_;
        if (start == at_)
            return false;
        std::string digits(text_.substr(start, at_ - start));
        char* end = nullptr;
        value.kind = JsonValue::Kind::Number;
        value.number = std::strtod(digits.c_str(), &end);
        return end == digits.c_str() + digits.size();
    }

    bool readObject(JsonValue& value) {
        value.kind = JsonValue::Kind::Object;
        ++at_;
        if (take('}'))
            return true;
        do {
            std::string key;
            JsonValue member;
            if (!take('"') || (--at_, !readString(key)) || !take(':') || !readValue(member))
                return false;
            value.members.emplace_back(std::move(key), std::move(member));
        } while (take(','));
        return take('}');
    }

    bool readArray(JsonValue& value) {
        value.kind = JsonValue::Kind::Array;
        ++at_;
        if (take(']'))
            return true;
        do {
            JsonValue item;
            if (!readValue(item))
                return false;
            value.items.push_back(std::move(item));
        } while (take(','));
        return take(']');
    }

    bool hex4(std::uint32_t& unit) {
        if (at_ + 4 > text_.size())
            return false;
        std::string digits(text_.substr(at_, 4));
        char* end = nullptr;
        unit = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), &end, 16));
        at_ += 4;
        return end == digits.c_str() + 4;
    }

    static void appendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            return;
        }
        int extra = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        static constexpr std::uint32_t Lead[] = {0, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(Lead[extra] | (cp >> (6 * extra)));
        for (int i = extra - 1; i >= 0; --i)
            out += static_cast<char>(0x80 | ((cp >> (6 * i)) & 0x3F));
    }

    bool readEscape(std::string& out) {
        char c = text_[at_++];
        static constexpr std::string_view From = "\"\\/bfnrt", To = "\"\\/\b\f\n\r\t";
        if (auto i = From.find(c); i != std::string_view::npos && c != 'u') {
            out += To[i];
            return true;
        }
        std::uint32_t unit = 0, low = 0;
        if (c != 'u' || !hex4(unit))
            return false;
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (!word("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                return false;
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, unit);
        return true;
    }

    bool readString(std::string& out) {
        ++at_;
        while (at_ < text_.size()) {
            char c = text_[at_++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20 ||
                (c == '\\' && (at_ >= text_.size() || !readEscape(out))))
                return false;
            if (c != '\\')
                out += c;
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const {
    static const JsonValue none;
    for (const auto& [name, value] : members)
        if (name == key)
            return value;
    return none;
}

std::vector<std::string> JsonValue::strings() const {
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(item.text);
    return out;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::optional<JsonValue> parseJson(std::string_view text) {
    return JsonReader(text).document();
}

std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> records;
    std::size_t at = 0;
    while (at < text.size()) {
        std::vector<std::string> record(1);
        for (bool done = false; !done;) {
            if (at < text.size() && text[at] == '"') {
                for (++at;; ++at) {
                    if (at >= text.size())
                        return std::nullopt;
                    if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"'))
                        break;
                    record.back() += text[at];
                    at += text[at] == '"' ? 1 : 0;
                }
                ++at;
            } else {
                while (at < text.size() &&
                       std::string_view(",\r\n\"").find(text[at]) == std::string_view::npos)
                    record.back() += text[at++];
            }
            if (text.substr(at, 1) == ",") {
                record.emplace_back();
                ++at;
            } else if (text.substr(at, 2) == "\r\n") {
                at += 2;
                done = true;
            } else {
                return std::nullopt;
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace tavu::test
