#include "result_file.h"

#include "store/field_reader.h"
#include "store/sjis_text.h"
#include "store/system_files.h"

#include <algorithm>

namespace tavu {

OutputBuffer singleDrawOutput(std::string_view nameField, std::string_view copiesField) {
    static const std::string head = sjis::fromUtf8OrThrow("をブック内に");
    static const std::string tail = sjis::fromUtf8OrThrow("枚 組み込んでブックを作成して下さい。");
    // Both fields start with a blank; a field too short for it yields nothing.
    nameField.remove_prefix(std::min<std::size_t>(1, nameField.size()));
    copiesField.remove_prefix(std::min<std::size_t>(1, copiesField.size()));
    return {std::string(nameField), head + std::string(copiesField.substr(0, 2)) + tail};
}

OutputBuffer multipleDrawOutput(const std::vector<std::string>& lines, int count) {
    static const std::string head = sjis::fromUtf8OrThrow("の ");
    static const std::string tail = sjis::fromUtf8OrThrow("枚を組み込んでブックを作成して下さい。");
    OutputBuffer buffer = lines;
    buffer.emplace_back();
    buffer.push_back(head + std::to_string(count) + tail);
    return buffer;
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

} // namespace tavu
