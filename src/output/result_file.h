#pragma once

#include "draw/output_buffer.h"

#include <filesystem>
#include <string>

namespace tavu {

// Appends the lines of `system/Comment.tri` (plain text, read as it is) to the buffer.
// Throws DataError when the file cannot be read.
void AppendCommentFooter(OutputBuffer& buffer, const std::filesystem::path& systemDir);

// The bytes of a result file: every line as held, each ended by CR LF.
std::string resultFileBytes(const OutputBuffer& lines);

} // namespace tavu
