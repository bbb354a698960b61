#include "history_export.h"

#include <array>
#include <cstdint>

namespace tavu::history {

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += (&line == &lines.front() ? "" : "\n") + line;
    return text;
}

// The length of the valid UTF-8 sequence at `at`, 0 when it is not one (a stray or missing
// continuation byte, an overlong form, a surrogate, past U+10FFFF).
std::size_t utf8Length(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) {
        return static_cast<std::uint8_t>(text[i]);
    };
    std::uint8_t lead = byte(at);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    std::uint8_t second = length > 1 ? byte(at + 1) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

void appendEscaped(std::string& out, char c) {
    static constexpr std::array<const char*, 6> Short = {"\\\"", "\\\\", "\\n", "\\r", "\\t", "\\b"};
    static constexpr std::string_view Plain = "\"\\\n\r\t\b";
    if (auto at = Plain.find(c); at != std::string_view::npos) {
        out += Short[at];
    } else if (static_cast<std::uint8_t>(c) < 0x20) {
        static constexpr char Hex[] = "0123456789abcdef";
        out += "\\u00";
        out += Hex[(c >> 4) & 0xF];
        out += Hex[c & 0xF];
    } else {
        out += c;
    }
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = utf8Length(text, at);
        if (length == 1)
            appendEscaped(out, text[at]);
        else if (length > 1)
            out.append(text.substr(at, length));
        else
            out += "\xEF\xBF\xBD";
        at += length == 0 ? 1 : length;
    }
    return out + "\"";
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvHeader() {
    return "id,time,command,code,lines,result_file,program_version,data_version\r\n";
}

std::string csvRow(const HistoryRow& row) {
    const DrawEntry& d = row.draw;
    return std::to_string(row.id) + "," + csvField(d.time) + "," + csvField(d.command) + "," +
           csvField(d.code) + "," + csvField(joined(d.lines)) + "," + csvField(d.resultFile) + "," +
           csvField(d.programVersion) + "," + std::to_string(d.dataVersion) + "\r\n";
}

std::string jsonRow(const HistoryRow& row) {
    const DrawEntry& d = row.draw;
    std::string json = "{\"id\": " + std::to_string(row.id) + ", \"time\": " + jsonString(d.time) +
                       ", \"command\": " + jsonString(d.command) + ", \"code\": " + jsonString(d.code) +
                       ", \"lines\": [";
    for (const auto& line : d.lines)
        json += (&line == &d.lines.front() ? "" : ", ") + jsonString(line);
    return json + "], \"result_file\": " + jsonString(d.resultFile) +
           ", \"program_version\": " + jsonString(d.programVersion) +
           ", \"data_version\": " + std::to_string(d.dataVersion) + "}";
}

std::string toCsv(std::span<const HistoryRow> rows) {
    std::string csv = csvHeader();
    for (const auto& row : rows)
        csv += csvRow(row);
    return csv;
}

std::string toJson(std::span<const HistoryRow> rows) {
    std::string json = "[";
    for (const auto& row : rows)
        json += std::string(&row == &rows.front() ? "\n  " : ",\n  ") + jsonRow(row);
    return json + (rows.empty() ? "]\n" : "\n]\n");
}

} // namespace tavu::history
