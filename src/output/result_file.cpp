#include "result_file.h"

#include "store/file_io.h"
#include "store/system_files.h"

namespace tavu {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

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

void saveResultBytes(const std::filesystem::path& path, std::string_view bytes) {
    writeFileAtomically(path, bytes);
}

} // namespace tavu
