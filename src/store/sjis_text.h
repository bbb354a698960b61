#pragma once

#include <optional>
#include <string>
#include <string_view>

// Table and settings text stays Shift-JIS bytes (code page 932) everywhere in the core;
// these two functions are the only crossings to UTF-8, for display and the command line.
namespace tavu::sjis {

// Bytes that do not decode (a lead byte cut off at the end of a field, an unassigned
// code) become U+FFFD; never throws.
std::string toUtf8(std::string_view sjisBytes);

// nullopt when the text holds a character that code page 932 cannot represent
// or is not valid UTF-8.
std::optional<std::string> fromUtf8(std::string_view utf8);

// As fromUtf8, for text of our own that is known to convert (messages, fixed captions).
std::string fromUtf8OrThrow(std::string_view utf8);

} // namespace tavu::sjis
