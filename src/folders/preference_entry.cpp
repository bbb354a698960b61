#include "preference_entry.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace tavu {

namespace fs = std::filesystem;

namespace {

std::string trim(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    const auto end = text.find_last_not_of(" \t\r");
    return std::string(text.substr(begin, end - begin + 1));
}

bool isSectionLine(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The key of a `Key=value` line, or empty.
std::string keyOf(const std::string& line) {
    const auto equals = line.find('=');
    return equals == std::string::npos ? std::string() : trim(std::string_view(line).substr(0, equals));
}

std::vector<std::string> readLines(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(trim(line));
    return lines;
}

std::string unquote(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

bool isPlainPreferenceValue(std::string_view value) {
    for (const char c : value)
        if (c < 0x21 || c > 0x7e || c == ';' || c == ',' || c == '"' || c == '\\' || c == '=')
            return false;
    return true;
}

std::optional<std::string> readPreferenceEntry(const fs::path& file, std::string_view section,
                                               std::string_view key) {
    const std::string header = "[" + std::string(section) + "]";
    bool inSection = false;
    for (const std::string& line : readLines(file)) {
        if (isSectionLine(line))
            inSection = line == header;
        else if (inSection && keyOf(line) == key)
            return unquote(trim(std::string_view(line).substr(line.find('=') + 1)));
    }
    return std::nullopt;
}

bool writePreferenceEntry(const fs::path& file, std::string_view section, std::string_view key,
                          const std::string& value) {
    const std::string header = "[" + std::string(section) + "]";
    const std::string entry = std::string(key) + "=" + value;
    std::vector<std::string> lines = readLines(file);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    bool inSection = false;
    bool written = false;
    std::size_t sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (isSectionLine(lines[i])) {
            if (inSection) {
                sectionEnd = i;
                break;
            }
            inSection = lines[i] == header;
        } else if (inSection && keyOf(lines[i]) == key) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written && inSection) {
        // The section's last entry line, before the blank line that ends it.
        while (sectionEnd > 0 && lines[sectionEnd - 1].empty())
            --sectionEnd;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
    } else if (!written) {
        if (!lines.empty())
            lines.emplace_back();
        lines.push_back(header);
        lines.push_back(entry);
    }
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << '\n';
        if (!out.flush())
            return false;
    }
    fs::rename(temporary, file, ec);
    if (!ec)
        return true;
    fs::remove(temporary, ec);
    return false;
}

} // namespace tavu
