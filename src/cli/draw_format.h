#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A draw as one record for other programs: a JSON object or a CSV header and row, UTF-8.
namespace tavu::cli {

struct DrawRecord {
    std::string command; // the command's word in a code: "creature-single", "book", ...
    std::string code;
    std::uint32_t seed = 0;
    std::int32_t dataVersion = 0;
    std::vector<std::string> lines; // UTF-8, the lines the text form prints
    std::string message;            // the warning or message the draw ended with, UTF-8
};

// The code's own fields between the command and the data version ("e=fire-water", "r=NS",
// "n=5"): the options that chose the result, in the code's order.
std::vector<std::pair<std::string, std::string>> optionsOf(const std::string& code);

// {"command", "options": {KEY: VALUE...}, "seed", "code", "data_version", "lines": [...],
// "message"}, one field a line, ended by a line feed.
std::string drawJson(const DrawRecord& draw);

// A header and one record, as RFC 4180 has it: command,options,seed,code,data_version,lines,
// message. The options are KEY=VALUE joined by blanks, the lines joined by line feeds.
std::string drawCsv(const DrawRecord& draw);

} // namespace tavu::cli
