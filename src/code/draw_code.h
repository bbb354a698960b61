#pragma once

#include "draw_plan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The draw code: a short text that repeats a draw anywhere. It names the draw and every
// option it reads, the random state when it starts and the data it was drawn on, e.g.
//   tavu1.creature-multiple.e=fire-water.r=NS.n=20.v=100.s=45296789.d=3f2a9c1b0e77d5a2
// Fields are separated by '.', sets by '-' and ranges by '~', so a code is printable
// ASCII without blanks that a URL carries as it is, and at most MaxCodeLength long.
namespace tavu::code {

inline constexpr std::size_t MaxCodeLength = 100;
inline constexpr std::string_view CodeVersion = "tavu1";

// The data a draw read: 64 bits of a SHA-256 over its tables and their sizes, and the data
// version its settings name (left out of a code when it is not 0 to 99999).
struct DataFingerprint {
    std::uint64_t hash = 0;
    std::optional<int> version;
};

struct DrawCode {
    DrawPlan plan;
    std::uint32_t seed = 0; // the random state before the draw's first Random call
    DataFingerprint data;
};

// The canonical text of a code. Parts of `plan` the command does not read are not written.
std::string formatCode(const DrawCode& code);

// Why a text is not a code the program can replay.
enum class CodeProblem { UnknownVersion, Damaged, OutOfRange };

struct CodeParse {
    std::optional<DrawCode> code;
    CodeProblem problem = CodeProblem::Damaged;
    std::string message; // UTF-8 Japanese, for the window and the command line
};

// Reads a code, accepting only its canonical text: anything else is refused with a
// message, never read as the nearest code.
CodeParse parseCode(std::string_view text);

} // namespace tavu::code
