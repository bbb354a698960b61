#include "code_fields.h"
#include "code_words.h"
#include "draw_code.h"

#include <algorithm>

namespace tavu::code {

namespace {

bool codeCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == '~' || c == '=';
}

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == words::FieldBreak) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// "tavu2" and later: a code of a newer program rather than a damaged one.
bool laterVersion(std::string_view word) {
    std::string_view prefix = CodeVersion.substr(0, CodeVersion.size() - 1);
    return word.size() > prefix.size() && word.substr(0, prefix.size()) == prefix &&
           std::all_of(word.begin() + static_cast<std::ptrdiff_t>(prefix.size()), word.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Command> commandOf(std::string_view word) {
    for (int c = 0; c < CommandCount; ++c)
        if (commandName(static_cast<Command>(c)) == word)
            return static_cast<Command>(c);
    return std::nullopt;
}

CodeParse failure(CodeProblem problem, std::string message) {
    return {std::nullopt, problem, std::move(message)};
}

} // namespace

CodeParse parseCode(std::string_view text) {
    if (text.empty())
        return failure(CodeProblem::Damaged, "抽出コードが空です");
    if (text.size() > MaxCodeLength || !std::all_of(text.begin(), text.end(), codeCharacter))
        return failure(CodeProblem::Damaged, "抽出コードではありません。コードを確かめて下さい");
    auto parts = splitFields(text);
    if (parts[0] != CodeVersion) {
        if (laterVersion(parts[0]))
            return failure(CodeProblem::UnknownVersion,
                           "この抽出コード (" + std::string(parts[0]) +
                               ") はこの版の TAVU では読めません。新しい版の TAVU で開いて下さい");
        return failure(CodeProblem::Damaged, "抽出コードではありません。コードを確かめて下さい");
    }
    auto command = parts.size() > 1 ? commandOf(parts[1]) : std::nullopt;
    if (!command)
        return failure(CodeProblem::Damaged, "抽出コードが壊れています: 抽出の種類が読めません");
    FieldReader fields(std::vector<std::string_view>(parts.begin() + 2, parts.end()));
    DrawCode code;
    code.plan.command = *command;
    readPlan(fields, code.plan);
    readTrailer(fields, code);
    if (fields.failed())
        return failure(fields.problem(), fields.message());
    if (!fields.allUsed() || formatCode(code) != text)
        return failure(CodeProblem::Damaged, "抽出コードが壊れています: 項目の並びが正しくありません");
    return {code, CodeProblem::Damaged, {}};
}

} // namespace tavu::code
