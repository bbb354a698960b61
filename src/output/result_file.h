#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// The lines a draw writes to its result file, Shift-JIS bytes, before the footer.
using OutputBuffer = std::vector<std::string>;

// A single draw: the stored name (the name field without its first byte) and the copies
// sentence with bytes 2 and 3 of the count field, e.g. "をブック内に 3枚 組み込んで…".
OutputBuffer singleDrawOutput(std::string_view nameField, std::string_view copiesField);

// A multiple draw: the list lines (empty separator lines included), an empty line and
// the count sentence "の 20枚を組み込んでブックを作成して下さい。".
OutputBuffer multipleDrawOutput(const std::vector<std::string>& lines, int count);

// Appends the lines of `system/Comment.tri` (plain text, read as it is) to the buffer.
// Throws DataError when the file cannot be read.
void AppendCommentFooter(OutputBuffer& buffer, const std::filesystem::path& systemDir);

// The bytes of a result file: every line as held, each ended by CR LF.
std::string resultFileBytes(const OutputBuffer& lines);

} // namespace tavu
