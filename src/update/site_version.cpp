#include "site_version.h"

#include <charconv>

namespace tavu {

namespace {

constexpr std::size_t VersionWidth = 10;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<std::int32_t> parseSiteVersion(std::string_view versionFile) {
    if (versionFile.starts_with(Utf8Bom))
        versionFile.remove_prefix(Utf8Bom.size());
    std::string_view line = versionFile.substr(0, versionFile.find_first_of("\r\n"));
    std::string_view digits = trimBlanks(line.substr(0, VersionWidth));
    if (digits.empty() || digits.front() == '+')
        return std::nullopt;
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace tavu
