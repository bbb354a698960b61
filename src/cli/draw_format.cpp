#include "draw_format.h"

#include "history/history_export.h"

#include <string_view>

namespace tavu::cli {

namespace {

// The fields every code ends with; the draw's record gives them their own names.
bool isTrailer(std::string_view key) {
    return key == "v" || key == "s" || key == "d";
}

std::string joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string text;
    for (const auto& part : parts)
        text += (&part == &parts.front() ? "" : std::string(between)) + part;
    return text;
}

} // namespace

std::vector<std::pair<std::string, std::string>> optionsOf(const std::string& code) {
    std::vector<std::pair<std::string, std::string>> options;
    std::size_t start = 0;
    for (int part = 0; start <= code.size(); ++part) {
        std::size_t end = code.find('.', start);
        std::string field = code.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::size_t equals = field.find('=');
        // The first two parts are the code's format and the command's word.
        if (part >= 2 && equals != std::string::npos && !isTrailer(field.substr(0, equals)))
            options.emplace_back(field.substr(0, equals), field.substr(equals + 1));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return options;
}

std::string drawJson(const DrawRecord& draw) {
    using history::jsonString;
    std::vector<std::string> options;
    for (const auto& [key, value] : optionsOf(draw.code))
        options.push_back(jsonString(key) + ": " + jsonString(value));
    std::vector<std::string> lines;
    for (const auto& line : draw.lines)
        lines.push_back("    " + jsonString(line));
    return "{\n  \"command\": " + jsonString(draw.command) + ",\n  \"options\": {" + joined(options, ", ") +
           "},\n  \"seed\": " + std::to_string(draw.seed) + ",\n  \"code\": " + jsonString(draw.code) +
           ",\n  \"data_version\": " + std::to_string(draw.dataVersion) + ",\n  \"lines\": [" +
           (lines.empty() ? "" : "\n" + joined(lines, ",\n") + "\n  ") +
           "],\n  \"message\": " + jsonString(draw.message) + "\n}\n";
}

std::string drawCsv(const DrawRecord& draw) {
    using history::csvField;
    std::vector<std::string> options;
    for (const auto& [key, value] : optionsOf(draw.code))
        options.push_back(key + "=" + value);
    return "command,options,seed,code,data_version,lines,message\r\n" + csvField(draw.command) + "," +
           csvField(joined(options, " ")) + "," + std::to_string(draw.seed) + "," + csvField(draw.code) +
           "," + std::to_string(draw.dataVersion) + "," + csvField(joined(draw.lines, "\n")) + "," +
           csvField(draw.message) + "\r\n";
}

} // namespace tavu::cli
