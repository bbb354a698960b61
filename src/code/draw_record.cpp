#include "draw_record.h"

#include "store/sjis_text.h"

namespace tavu::code {

history::DrawEntry drawEntry(const DrawCode& code, const std::vector<std::string>& sjisLines,
                             std::string resultFile) {
    history::DrawEntry entry;
    entry.command = std::string(commandName(code.plan.command));
    entry.code = formatCode(code);
    entry.lines.reserve(sjisLines.size());
    for (const std::string& line : sjisLines)
        entry.lines.push_back(sjis::toUtf8(line));
    entry.resultFile = std::move(resultFile);
    entry.programVersion = ProgramVersion;
    entry.dataVersion = code.data.version.value_or(0);
    return entry;
}

} // namespace tavu::code
