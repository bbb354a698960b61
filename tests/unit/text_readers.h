#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Strict readers of what tavu-cli writes for other programs, so a test reads its output back
// as another program would rather than comparing it with a copy of the writer.
namespace tavu::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member named `key`; a Null value when there is none.
    const JsonValue& operator[](std::string_view key) const;
    // The items of an array of strings.
    std::vector<std::string> strings() const;
};

// The lines of what a program printed, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);

// One JSON value with nothing but white space around it; nullopt for anything that is not
// valid JSON (a raw control character in a string, a lone surrogate, a trailing comma...).
std::optional<JsonValue> parseJson(std::string_view text);

// RFC 4180 records ended by CR LF; nullopt when a record does not end so, a quote is left
// open or a quoted field runs into other text.
std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view text);

} // namespace tavu::test
