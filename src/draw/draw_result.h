#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// How a draw ended: with a result, or with the message the page shows instead.
enum class DrawEnd {
    Result,
    DrawWarning,    // the warning box "抽出条件を正しく設定して下さい"
    NoMatchingCard, // the spell single draw's own "該当カードなし"
};

// Message texts (UTF-8, for the window and the command line).
inline constexpr std::string_view DrawWarningText = "抽出条件を正しく設定して下さい";
inline constexpr std::string_view DrawWarningCaption = "TAVU for DS Warning !";
inline constexpr std::string_view NoMatchingCardText = "該当カードなし";

// The message of an end that is not a result; empty for DrawEnd::Result.
constexpr std::string_view drawEndText(DrawEnd end) {
    return end == DrawEnd::DrawWarning      ? DrawWarningText
           : end == DrawEnd::NoMatchingCard ? NoMatchingCardText
                                            : std::string_view{};
}

// A single draw: the page's result fields in order (CEdit1.., IEdit1.., SEdit1..), as
// Shift-JIS bytes. Empty when the draw ended with a message: the fields stay as they were.
struct SingleDrawResult {
    DrawEnd end = DrawEnd::Result;
    std::vector<std::string> fields;
};

// A multiple draw: the result list's lines as Shift-JIS bytes and the number of cards k.
// randomCount is the value the draw put into the spin edit ("指定無し"), already clamped;
// it is set even when the draw then ends with a message, as the spin edit keeps it.
struct MultipleDrawResult {
    DrawEnd end = DrawEnd::Result;
    std::optional<int> randomCount;
    int count = 0;
    std::vector<std::string> lines;
};

} // namespace tavu
