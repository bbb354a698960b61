#pragma once

#include "draw_code.h"
#include "store/tables.h"

#include <string>
#include <string_view>
#include <vector>

// A result file proves its draw: its last line names the draw code, and drawing that code
// again on the same data must give the file's lines.
namespace tavu::code {

// "抽出コード: CODE" as Shift-JIS bytes, the line a result file ends with.
std::string codeLine(const std::string& code);

// The code a result file's lines name: the last line that starts as codeLine does.
std::optional<std::string> codeOfFile(const std::vector<std::string>& lines);

enum class CheckOutcome { Match, LineDiffers, OtherData, NoCode };

struct CheckReport {
    CheckOutcome outcome = CheckOutcome::NoCode;
    int line = 0;             // the first differing line, from 1
    std::string expected;     // what the draw gives there (Shift-JIS; empty past its end)
    std::string found;        // what the file holds there
    std::string drawnMessage; // why the code's draw gave no result (UTF-8)
    DataFingerprint codeData;
    std::string codeMessage; // why the code could not be read (UTF-8)
};

// Draws the file's code again on `tables` (whose fingerprint is `data`) and compares the
// draw's lines with the file's first lines; the comment lines that follow them belong to
// whoever drew, not to the draw, and are not compared.
CheckReport checkResultLines(const std::vector<std::string>& fileLines, const Tables& tables,
                             const DataFingerprint& data);

// The outcome in words (UTF-8), for the command line and the window alike.
std::string describeCheck(const CheckReport& report, const DataFingerprint& data);

} // namespace tavu::code
