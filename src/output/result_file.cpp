#include "result_file.h"

#include "store/field_reader.h"
#include "store/system_files.h"

namespace tavu {

void AppendCommentFooter(OutputBuffer& buffer, const std::filesystem::path& systemDir) {
    for (auto& line : splitLines(readSystemFile(systemDir, CommentFileName)))
        buffer.push_back(std::move(line));
}

std::string resultFileBytes(const OutputBuffer& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace tavu
