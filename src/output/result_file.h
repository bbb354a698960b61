#pragma once

#include "draw/output_buffer.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// Splits text into lines at CR LF, LF or a lone CR; a break at the very end adds no line.
std::vector<std::string> splitLines(std::string_view text);

// Appends the lines of `system/Comment.tri` (plain text, read as it is) to the buffer.
// Throws DataError when the file cannot be read.
void AppendCommentFooter(OutputBuffer& buffer, const std::filesystem::path& systemDir);

// The bytes of a result file: every line as held, each ended by CR LF.
std::string resultFileBytes(const OutputBuffer& lines);

// Writes beside `path` and renames over it, so a failure (folder gone, disk full,
// read-only) never leaves a truncated file under the chosen name nor half-replaces an
// older one. An existing file is replaced without a question. Throws DataError.
void saveResultBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace tavu
